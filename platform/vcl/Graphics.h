// Colours, fonts, brushes and pictures.
#ifndef TRAILBOOK_PLATFORM_GRAPHICS_H
#define TRAILBOOK_PLATFORM_GRAPHICS_H

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/vcl/Classes.h"

struct TPoint { int X = 0, Y = 0; };
struct TRect { int Left = 0, Top = 0, Right = 0, Bottom = 0; };

// 0x00BBGGRR; system colours have the top bit set and the system colour index below.
using TColor = int32_t;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clSkyBlue = 0xF0CAA6, clMoneyGreen = 0xC0DCC0, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1,
                 clActiveCaption = clSystemColor | 2, clWindow = clSystemColor | 5,
                 clWindowText = clSystemColor | 8, clCaptionText = clSystemColor | 9,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14,
                 clBtnFace = clSystemColor | 15, clBtnShadow = clSystemColor | 16,
                 clGrayText = clSystemColor | 17, clBtnText = clSystemColor | 18,
                 clInfoBk = clSystemColor | 24, clInfoText = clSystemColor | 23,
                 clBtnHighlight = clSystemColor | 20, clDefault = 0x20000000, clNone = 0x1FFFFFFF;
// The red, green and blue of a colour (system colours resolved to the
// classic desktop scheme, e.g. clBtnFace = 212, 208, 200).
uint32_t ColorToRGB(TColor color);
inline int GetRValue(uint32_t rgb) { return rgb & 0xFF; }
inline int GetGValue(uint32_t rgb) { return (rgb >> 8) & 0xFF; }
inline int GetBValue(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
// Colour names of form descriptions.
bool ColorFromName(const AnsiString& name, TColor& color);
AnsiString ColorName(TColor color);  // "" when the colour has no name

using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

// Size (points) and Height (pixels; negative = character height) are related
// by PixelsPerInch: Height = -round(Size * PixelsPerInch / 72).
class TFont : public TPersistent {
    TB_DECLARE_CLASS()
public:
    TFont() = default;
    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& v) { if (v != name_) { name_ = v; Changed(); } }
    int Size() const;
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int v) { if (v != height_) { height_ = v; Changed(); } }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v) { if (v != style_) { style_ = v; Changed(); } }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }
    int Charset() const { return charset_; }
    void SetCharset(int v) { charset_ = v; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v > 0 ? v : 96; }
    void Assign(const TPersistent& source) override;
    bool operator==(const TFont& o) const {
        return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ && charset_ == o.charset_;
    }
    std::function<void()> OnChange;

private:
    void Changed() { if (OnChange) OnChange(); }
    AnsiString name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = 1;  // DEFAULT_CHARSET
    int pixelsPerInch_ = 96;
};

// Brush styles are read from form descriptions and kept; controls paint solid.
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TPersistent {
    TB_DECLARE_CLASS()
public:
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v) { if (v != style_) { style_ = v; if (OnChange) OnChange(); } }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { if (v != color_) { color_ = v; if (OnChange) OnChange(); } }
    void Assign(const TPersistent& source) override;
    std::function<void()> OnChange;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// A decoded picture: 8-bit RGB pixels, row by row.
struct TImageData {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;  // Width * Height * 3
    bool Empty() const { return Width == 0 || Height == 0; }
};

// The scale at which a JPEG picture is decoded: libjpeg reduces it while it
// decodes, at a fraction of the time and memory of the full size.
enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };

// A JPEG picture decoded with libjpeg. A corrupt or truncated file raises
// EInvalidGraphic; it never ends the process.
class TJPEGImage {
public:
    // Chooses the scale once the picture's own size is known; without one the
    // picture is decoded at Scale.
    using ScaleChooser = std::function<TJPEGScale(int width, int height)>;

    void LoadFromFile(const AnsiString& fileName, const ScaleChooser& choose = {});
    void LoadFromBytes(const std::string& bytes, const ScaleChooser& choose = {});
    TJPEGScale Scale() const { return scale_; }
    void SetScale(TJPEGScale v) { scale_ = v; }
    // The picture's own size, whatever the scale it was decoded at.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The decoded pixels (at Scale).
    const TImageData& Data() const { return data_; }

private:
    TImageData data_;
    TJPEGScale scale_ = jsFullSize;
    int width_ = 0, height_ = 0;
};

// The smallest scale whose decoded size still covers shownWidth x shownHeight
// for a picture of width x height (full size when it must be shown larger).
TJPEGScale ScaleToCover(int width, int height, int shownWidth, int shownHeight);

class TPicture : public TPersistent {
    TB_DECLARE_CLASS()
public:
    // Loads a JPEG file (recognised by its content, whatever its name); any
    // other or undecodable file raises EInvalidGraphic and leaves the picture
    // as it was. OnChange follows a successful load. When ShownSize is set,
    // the picture is decoded at the smallest scale that still covers the size
    // it is shown at.
    void LoadFromFile(const AnsiString& fileName);
    void Clear();
    // The decoded pixels: the picture's own size or, when it is shown smaller,
    // reduced (but never below the size it is shown at).
    const TImageData& Data() const { return data_; }
    // The picture's own size.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Assign(const TPersistent& source) override;
    std::function<void()> OnChange;

    // Set by the control that shows the picture: the size at which a picture
    // of the given own size is shown.
    std::function<TPoint(int width, int height)> ShownSize;
    // The control's size or settings changed: a reduced picture that no longer
    // covers its shown size is decoded again from its file, at the scale it
    // now needs (when the file can no longer be read, it stays as it is).
    void ShownSizeChanged();

private:
    void Changed() { if (OnChange) OnChange(); }
    TJPEGScale ScaleFor(int width, int height) const;
    TImageData data_;
    int width_ = 0, height_ = 0;
    TJPEGScale scale_ = jsFullSize;
    AnsiString source_;  // the file a reduced picture was decoded from
};

#endif
