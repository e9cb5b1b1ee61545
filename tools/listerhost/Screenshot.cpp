#include "tools/listerhost/Screenshot.h"

#include "platform/win32/ComPtr.h"

#include <wincodec.h>

#include <algorithm>
#include <fstream>
#include <vector>

namespace listerhost {
namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<BYTE> bgr;  // bottom-up rows of 24-bit pixels, padded to 4 bytes
    int Stride() const { return (width * 3 + 3) & ~3; }
};

// The bitmap's pixels, read through a device context of the screen.
bool ReadPixels(HDC screen, HBITMAP bitmap, Pixels& out)
{
    BITMAP size{};
    if (!GetObjectW(bitmap, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0)
        return false;
    out.width = size.bmWidth;
    out.height = size.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = out.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    out.bgr.assign(static_cast<size_t>(out.Stride()) * out.height, 0);
    return GetDIBits(screen, bitmap, 0, out.height, out.bgr.data(), &info, DIB_RGB_COLORS) == out.height;
}

bool Capture(HWND hwnd, Pixels& out)
{
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(memory, old);
    const bool read = ReadPixels(screen, bitmap, out);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read;
}

bool WriteBmp(const Pixels& px, const std::wstring& path)
{
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = px.width;
    header.biHeight = px.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + px.bgr.size());
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(px.bgr.data()), static_cast<std::streamsize>(px.bgr.size()));
    return out.good();
}

bool WritePng(const Pixels& px, const std::wstring& path)
{
    // WIC wants top-down rows.
    std::vector<BYTE> topDown(px.bgr.size());
    for (int y = 0; y < px.height; ++y)
        std::copy_n(&px.bgr[static_cast<size_t>(px.height - 1 - y) * px.Stride()], px.Stride(),
                    &topDown[static_cast<size_t>(y) * px.Stride()]);

    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ok = false;
    {
        win::ComPtr<IWICImagingFactory> factory;
        win::ComPtr<IWICStream> stream;
        win::ComPtr<IWICBitmapEncoder> encoder;
        win::ComPtr<IWICBitmapFrameEncode> frame;
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Receive()))) &&
             SUCCEEDED(factory->CreateStream(stream.Receive())) &&
             SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
             SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Receive())) &&
             SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
             SUCCEEDED(encoder->CreateNewFrame(frame.Receive(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
             SUCCEEDED(frame->SetSize(px.width, px.height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
             IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
             SUCCEEDED(frame->WritePixels(px.height, px.Stride(), static_cast<UINT>(topDown.size()),
                                          topDown.data())) &&
             SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return ok;
}

bool EndsWithPng(const std::wstring& path)
{
    return path.size() >= 4 && _wcsicmp(path.c_str() + path.size() - 4, L".png") == 0;
}

}  // namespace

bool SaveWindowPicture(HWND hwnd, const std::wstring& path)
{
    Pixels px;
    if (!Capture(hwnd, px))
        return false;
    return EndsWithPng(path) ? WritePng(px, path) : WriteBmp(px, path);
}

bool SaveBitmapPicture(HBITMAP bitmap, const std::wstring& path)
{
    Pixels px;
    HDC screen = GetDC(nullptr);
    const bool read = ReadPixels(screen, bitmap, px);
    ReleaseDC(nullptr, screen);
    return read && (EndsWithPng(path) ? WritePng(px, path) : WriteBmp(px, path));
}

}  // namespace listerhost
