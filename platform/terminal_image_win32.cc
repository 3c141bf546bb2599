#include <io.h>

#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#include <wincodec.h>
#include <windows.h>

#include "platform/terminal_image.h"

namespace {

// Holds one COM interface and releases it when it goes.
template <typename T>
struct Held {
  T* pointer = nullptr;
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (pointer != nullptr) pointer->Release();
  }
  T** out() { return &pointer; }
  T* operator->() const { return pointer; }
};

// COM for as long as a read lasts. A thread that already has COM in another
// mode (RPC_E_CHANGED_MODE) can still use it, but must not uninitialize it.
struct ComScope {
  HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ComScope() = default;
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result)) CoUninitialize();
  }
};

// The program's paths are in the ANSI code page, as FindFirstFileA and
// cmd.exe take them; WIC wants UTF-16.
std::wstring wide_path(const std::string& path) {
  int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
  wide.pop_back();
  return wide;
}

// The frame's pixels as straight-alpha BGRA (the one 32-bit format every WIC
// since Vista converts to), then turned into RGBA.
bool copy_frame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, RgbaImage& image) {
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return false;
  if (1LL * width * height > kMaxImagePixels) return false;
  Held<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.out()))) return false;
  if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)))
    return false;
  std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()),
                                   pixels.data())))
    return false;
  for (size_t i = 0; i < pixels.size(); i += 4) std::swap(pixels[i], pixels[i + 2]);
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.swap(pixels);
  return true;
}

}  // namespace

bool read_image_pixels(const std::string& path, RgbaImage& image) {
  ComScope com;
  if (FAILED(com.result) && com.result != RPC_E_CHANGED_MODE) return false;
  Held<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))))
    return false;
  std::wstring wide = wide_path(path);
  Held<IWICBitmapDecoder> decoder;
  if (wide.empty() ||
      FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())))
    return false;
  Held<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.out()))) return false;
  return copy_frame(factory.pointer, frame.pointer, image);
}

TerminalSize terminal_size(int fd) {
  TerminalSize size;
  CONSOLE_SCREEN_BUFFER_INFO info;
  HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  if (console == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(console, &info)) return size;
  int columns = info.srWindow.Right - info.srWindow.Left + 1;
  int rows = info.srWindow.Bottom - info.srWindow.Top + 1;
  if (columns > 0) size.columns = std::min(80, columns);
  if (rows > 3) size.rows = rows - 2;
  return size;
}
