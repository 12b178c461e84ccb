#include "picture_decoder_win32.h"

// The GUIDs of the imaging component are defined here, not taken from a library.
#include <initguid.h>

#include <windows.h>
#include <wincodec.h>

#include <limits>
#include <new>

#include "com_scope.h"

bool Win32PictureDecoder::DecodePng(const std::vector<uint8_t>& png, uint64_t maxPixels,
                                    DecodedPicture& picture) const {
    if (png.empty() || png.size() > std::numeric_limits<DWORD>::max())
        return false;
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put()))))
        return false;
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), DWORD(png.size()))))
        return false;
    // Only a PNG decoder: data under the name "PNG" is never read as another kind of file.
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.put())) ||
        FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)))
        return false;
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&width, &height)) ||
        width == 0 || height == 0 || uint64_t(width) * height > maxPixels)
        return false;
    const uint64_t bytes = uint64_t(width) * height * 4;
    if (bytes > std::numeric_limits<UINT>::max())
        return false;
    ComPtr<IWICBitmapSource> pixels;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), pixels.put())))
        return false;
    try {
        picture.bgra.assign(size_t(bytes), 0);
    } catch (const std::bad_alloc&) {
        picture.bgra.clear();
        return false;
    }
    if (FAILED(pixels->CopyPixels(nullptr, width * 4, UINT(bytes), picture.bgra.data()))) {
        picture.bgra.clear();
        return false;
    }
    picture.width = width;
    picture.height = height;
    return true;
}
