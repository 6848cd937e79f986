// Pens, brushes, fonts, palettes and the stock objects; GetObjectA and DeleteObject.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <vector>

#include "gdi/dc.h"
#include "gdi/gdi_objects.h"
#include "kernel/api_boundary.h"
#include "raster/font_face.h"
#include "raster/pixel_runs.h"

namespace kx {

namespace {

constexpr int kDefaultBitmapIndex = 21;  // the 1 x 1 bitmap of new memory DCs, stock but not public

template <class T, class... Args>
HGDIOBJ addObject(Args&&... args) {
  return HandleTable::instance().add(std::make_unique<T>(std::forward<Args>(args)...));
}

HGDIOBJ makeStock(int index) {
  auto brush = [](UINT style, COLORREF color) { return addObject<BrushObject>(LOGBRUSH{style, color, 0}); };
  auto pen = [](UINT style, COLORREF color) {
    return addObject<PenObject>(LOGPEN{style, POINT{1, 0}, color});
  };
  switch (index) {
    case WHITE_BRUSH:
      return brush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
      return brush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
      return brush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
      return brush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
      return brush(BS_SOLID, RGB(0, 0, 0));
    case NULL_BRUSH:
      return brush(BS_NULL, 0);
    case WHITE_PEN:
      return pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN:
      return pen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN:
      return pen(PS_NULL, 0);
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT: {
      LOGFONTA font{};
      font.lfHeight = -11;
      font.lfWeight = FW_NORMAL;
      std::strcpy(font.lfFaceName, "MS Sans Serif");
      return addObject<FontObject>(font, FontFace::resolve(font));
    }
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT: {
      LOGFONTA font{};
      font.lfHeight = 16;
      font.lfWeight = FW_BOLD;
      std::strcpy(font.lfFaceName, "System");
      return addObject<FontObject>(font, FontFace::system());
    }
    case DEFAULT_PALETTE:
      return addObject<PaletteObject>();
    case kDefaultBitmapIndex:
      return addObject<BitmapObject>(1, 1, 1);
    default:
      return nullptr;
  }
}

}  // namespace

HGDIOBJ stockObject(int index) {
  static std::array<HGDIOBJ, kDefaultBitmapIndex + 1> stock{};
  if (index < 0 || index > kDefaultBitmapIndex) return nullptr;
  if (!stock[index]) {
    stock[index] = makeStock(index);
    if (auto* object = HandleTable::instance().find(stock[index])) object->markStock();
  }
  return stock[index];
}

namespace {

// Off-screen bitmaps of a whole panel are made and deleted on every paint. Keeping the memory of
// the last few for the next ones spares the system fresh pages each time. A reused buffer is all
// black like a new one; of a buffer as wide as before, only what its last bitmap's plain area
// does not vouch for as black is cleared.
class PixelPool {
 public:
  std::vector<uint32_t> take(int width, int height) {
    const size_t count = size_t(width) * size_t(height);
    std::lock_guard<std::mutex> lock(m_mutex);
    // The last one given back first: its pixels are the likeliest to be in the caches still.
    for (auto it = m_free.rbegin(); it != m_free.rend(); ++it) {
      const size_t capacity = it->pixels.capacity();
      if (capacity < count || capacity > 2 * count + kSmall) continue;
      Kept kept = std::move(*it);
      m_free.erase(std::next(it).base());
      blacken(kept, width, height);
      return std::move(kept.pixels);
    }
    return std::vector<uint32_t>(count, 0);
  }
  void give(std::vector<uint32_t>&& pixels, int width, int height, PlainArea&& plain) {
    if (pixels.capacity() < kSmall) return;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_free.size() == kKept) m_free.erase(m_free.begin());
    m_free.push_back(Kept{std::move(pixels), width, height, std::move(plain)});
  }

 private:
  struct Kept {
    std::vector<uint32_t> pixels;
    int width, height;
    PlainArea plain;
  };

  static void blacken(Kept& kept, int width, int height) {
    const size_t count = size_t(width) * size_t(height);
    if (kept.width != width || kept.plain.color != 0) {
      kept.pixels.assign(count, 0);
      return;
    }
    // Rows past the old ones come zeroed.
    kept.pixels.resize(count);
    const RECT& ink = kept.plain.inked;
    const int64_t rows = std::min<int64_t>(ink.bottom, std::min(height, kept.height));
    for (int64_t y = std::max<int64_t>(ink.top, 0); y < rows; ++y) {
      uint32_t* row = kept.pixels.data() + y * width;
      kept.plain.tiles.forEachMarked(y, std::max<int64_t>(ink.left, 0), std::min<int64_t>(ink.right, width),
                                     [row](int64_t a, int64_t b) { fillPixels(row + a, size_t(b - a), 0); });
    }
  }

  static constexpr size_t kKept = 2;
  static constexpr size_t kSmall = 4096;  // pixels; smaller bitmaps come cheap from the heap
  std::mutex m_mutex;
  std::vector<Kept> m_free;
};

PixelPool& pixelPool() {
  static PixelPool* pool = new PixelPool;  // outlives every bitmap, stock ones included
  return *pool;
}

}  // namespace

BitmapObject::BitmapObject(int w, int h, int bits)
    : HandleObject(kKind), width(w), height(h), bitsPixel(bits), pixels(pixelPool().take(w, h)) {
  plain.tiles.resize(w, h);
}

BitmapObject::~BitmapObject() {
  pixelPool().give(std::move(pixels), width, height, std::move(plain));
}

DcState DcState::defaults() {
  DcState state;
  state.pen = static_cast<HPEN>(stockObject(BLACK_PEN));
  state.brush = static_cast<HBRUSH>(stockObject(WHITE_BRUSH));
  state.font = static_cast<HFONT>(stockObject(SYSTEM_FONT));
  state.palette = static_cast<HPALETTE>(stockObject(DEFAULT_PALETTE));
  return state;
}

HBITMAP defaultBitmap() {
  return static_cast<HBITMAP>(stockObject(kDefaultBitmapIndex));
}

}  // namespace kx

using namespace kx;

HGDIOBJ WINAPI GetStockObject(int i) {
  if (i < 0 || i > DEFAULT_GUI_FONT) return nullptr;
  return stockObject(i);
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  LOGPEN pen{UINT(iStyle), POINT{cWidth, 0}, color};
  return CreatePenIndirect(&pen);
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen) {
  if (!plpen || plpen->lopnStyle > PS_INSIDEFRAME) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGPEN pen = *plpen;
  // Negative widths count as their size; the stroke is bounded so a huge pen cannot exhaust memory.
  pen.lopnWidth.x = std::clamp(pen.lopnWidth.x < 0 ? -int64_t(pen.lopnWidth.x) : pen.lopnWidth.x, int64_t(0),
                               int64_t(1 << 20));
  pen.lopnWidth.y = 0;
  return failSafe<HPEN>(nullptr, [&] { return static_cast<HPEN>(addObject<PenObject>(pen)); });
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  LOGBRUSH brush{BS_SOLID, color & 0xFFFFFF, 0};
  return CreateBrushIndirect(&brush);
}

HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color) {
  if (iHatch < HS_HORIZONTAL || iHatch > HS_DIAGCROSS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGBRUSH brush{BS_HATCHED, color & 0xFFFFFF, ULONG_PTR(iHatch)};
  return CreateBrushIndirect(&brush);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
  if (!plbrush || plbrush->lbStyle > BS_HATCHED ||
      (plbrush->lbStyle == BS_HATCHED && plbrush->lbHatch > HS_DIAGCROSS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return failSafe<HBRUSH>(nullptr, [&] { return static_cast<HBRUSH>(addObject<BrushObject>(*plbrush)); });
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTA font = *lplf;
  font.lfFaceName[LF_FACESIZE - 1] = '\0';
  return failSafe<HFONT>(
      nullptr, [&] { return static_cast<HFONT>(addObject<FontObject>(font, FontFace::resolve(font))); });
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily,
                         LPCSTR pszFaceName) {
  LOGFONTA font{};
  font.lfHeight = cHeight;
  font.lfWidth = cWidth;
  font.lfEscapement = cEscapement;
  font.lfOrientation = cOrientation;
  font.lfWeight = cWeight;
  font.lfItalic = BYTE(bItalic);
  font.lfUnderline = BYTE(bUnderline);
  font.lfStrikeOut = BYTE(bStrikeOut);
  font.lfCharSet = BYTE(iCharSet);
  font.lfOutPrecision = BYTE(iOutPrecision);
  font.lfClipPrecision = BYTE(iClipPrecision);
  font.lfQuality = BYTE(iQuality);
  font.lfPitchAndFamily = BYTE(iPitchAndFamily);
  if (pszFaceName) std::strncpy(font.lfFaceName, pszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&font);
}

HPALETTE WINAPI CreatePalette(const LOGPALETTE* plpal) {
  if (!plpal || plpal->palVersion != 0x300 || plpal->palNumEntries == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return failSafe<HPALETTE>(nullptr, [] { return static_cast<HPALETTE>(addObject<PaletteObject>()); });
}

namespace {

int copyOut(const void* value, int size, int c, LPVOID pv) {
  if (!pv) return size;
  if (c <= 0) return 0;
  const int n = std::min(c, size);
  std::memcpy(pv, value, size_t(n));
  return n;
}

}  // namespace

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
  HandleObject* object = HandleTable::instance().find(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (object->kind()) {
    case HandleKind::Pen:
      return copyOut(&static_cast<PenObject*>(object)->logPen, sizeof(LOGPEN), c, pv);
    case HandleKind::Brush:
      return copyOut(&static_cast<BrushObject*>(object)->logBrush, sizeof(LOGBRUSH), c, pv);
    case HandleKind::Font:
      return copyOut(&static_cast<FontObject*>(object)->logFont, sizeof(LOGFONTA), c, pv);
    case HandleKind::Bitmap: {
      auto* bitmap = static_cast<BitmapObject*>(object);
      BITMAP info{};
      info.bmWidth = bitmap->width;
      info.bmHeight = bitmap->height;
      info.bmBitsPixel = WORD(bitmap->bitsPixel);
      info.bmPlanes = 1;
      // Device-dependent rows are padded to 16 bits, as GetObject reports them.
      info.bmWidthBytes = ((bitmap->width * bitmap->bitsPixel + 15) / 16) * 2;
      return copyOut(&info, sizeof(BITMAP), c, pv);
    }
    case HandleKind::Palette: {
      WORD entries = 256;
      return copyOut(&entries, sizeof(WORD), c, pv);
    }
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
  }
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  HandleObject* object = HandleTable::instance().find(ho);
  if (!object || !isGdiKind(object->kind()) || object->kind() == HandleKind::DeviceContext) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (object->isStock()) return TRUE;  // deleting a stock object is harmless
  // A bitmap still selected into a DC stays alive: the DC draws on it.
  if (object->kind() == HandleKind::Bitmap && static_cast<BitmapObject*>(object)->selectedInto) return FALSE;
  HandleTable::instance().remove(ho);
  return TRUE;
}

BOOL WINAPI UnrealizeObject(HGDIOBJ h) {
  HandleObject* object = HandleTable::instance().find(h);
  if (!object || !isGdiKind(object->kind())) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
