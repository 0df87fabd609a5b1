// Colours and their names, fonts, brushes, and JPEG pictures decoded with libjpeg.
#include "platform/vcl/Graphics.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/core/Files.h"
#include "platform/core/Strings.h"

// ---------------------------------------------------------------- colours

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

const NamedColor kColorNames[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clSkyBlue", clSkyBlue}, {"clMoneyGreen", clMoneyGreen}, {"clCream", clCream}, {"clMedGray", clMedGray},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clWindow", clWindow}, {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInfoBk", clInfoBk}, {"clInfoText", clInfoText}, {"clBtnHighlight", clBtnHighlight},
    {"clDefault", clDefault}, {"clNone", clNone},
};

constexpr uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r | (g << 8) | (b << 16)); }

// The classic desktop colour scheme, by system colour index.
const uint32_t kSystemColors[] = {
    Rgb(212, 208, 200),  // 0 scroll bar
    Rgb(58, 110, 165),   // 1 desktop background
    Rgb(10, 36, 106),    // 2 active caption
    Rgb(128, 128, 128),  // 3 inactive caption
    Rgb(212, 208, 200),  // 4 menu
    Rgb(255, 255, 255),  // 5 window
    Rgb(0, 0, 0),        // 6 window frame
    Rgb(0, 0, 0),        // 7 menu text
    Rgb(0, 0, 0),        // 8 window text
    Rgb(255, 255, 255),  // 9 caption text
    Rgb(212, 208, 200),  // 10 active border
    Rgb(212, 208, 200),  // 11 inactive border
    Rgb(128, 128, 128),  // 12 application workspace
    Rgb(10, 36, 106),    // 13 highlight
    Rgb(255, 255, 255),  // 14 highlight text
    Rgb(212, 208, 200),  // 15 button face
    Rgb(128, 128, 128),  // 16 button shadow
    Rgb(128, 128, 128),  // 17 gray text
    Rgb(0, 0, 0),        // 18 button text
    Rgb(212, 208, 200),  // 19 inactive caption text
    Rgb(255, 255, 255),  // 20 button highlight
    Rgb(64, 64, 64),     // 21 3D dark shadow
    Rgb(212, 208, 200),  // 22 3D light
    Rgb(0, 0, 0),        // 23 tooltip text
    Rgb(255, 255, 225),  // 24 tooltip background
    Rgb(181, 181, 181),  // 25 (unused)
    Rgb(0, 0, 128),      // 26 hot-tracked item
    Rgb(166, 202, 240),  // 27 gradient of the active caption
    Rgb(192, 192, 192),  // 28 gradient of the inactive caption
    Rgb(10, 36, 106),    // 29 menu highlight
    Rgb(212, 208, 200),  // 30 menu bar
};

}  // namespace

uint32_t ColorToRGB(TColor color) {
    if (color == clDefault) color = clWindow;
    if (color & clSystemColor) {
        size_t index = static_cast<size_t>(color & 0xFF);
        return index < std::size(kSystemColors) ? kSystemColors[index] : 0;
    }
    return static_cast<uint32_t>(color) & 0xFFFFFF;
}

bool ColorFromName(const AnsiString& name, TColor& color) {
    for (const auto& entry : kColorNames)
        if (SameText(entry.name, name)) {
            color = entry.color;
            return true;
        }
    return false;
}

AnsiString ColorName(TColor color) {
    for (const auto& entry : kColorNames)
        if (entry.color == color) return entry.name;
    return AnsiString();
}

int ColorFromFormValue(const FormValue& value) {
    if (value.kind == FormValue::Ident) {
        TColor color = 0;
        if (!ColorFromName(value.text, color)) throw EReadError("Invalid property value '" + value.text + "'");
        return color;
    }
    // Numbers such as $80000005 arrive as positive values; keep their 32 bits.
    return static_cast<TColor>(static_cast<uint32_t>(value.AsInt()));
}

FormValue ColorToFormValue(int color) {
    AnsiString name = ColorName(color);
    return name.empty() ? FormValue::OfInt(color) : FormValue::OfIdent(name);
}

// ---------------------------------------------------------------- fonts and brushes

namespace {
// Character sets by the names form descriptions write (DEFAULT_CHARSET ...).
const std::pair<const char*, int> kCharsets[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161}, {"TURKISH_CHARSET", 162},
    {"HEBREW_CHARSET", 177}, {"ARABIC_CHARSET", 178}, {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222}, {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255}};

int CharsetFromFormValue(const FormValue& value) {
    if (value.kind != FormValue::Ident) return static_cast<int>(value.AsInt());
    for (const auto& [name, code] : kCharsets)
        if (value.text == name) return code;
    throw EReadError("Invalid property value '" + value.text + "'");
}

FormValue CharsetToFormValue(int charset) {
    for (const auto& [name, code] : kCharsets)
        if (code == charset) return FormValue::OfIdent(name);
    return FormValue::OfInt(charset);
}
}  // namespace

const TClassInfo& TFont::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TFont>("TFont", TPersistent::StaticClassInfo())
            // The character set is written by name where it has one.
            .Custom("Charset", TPropInfo::tkInteger,
                    [](const TPersistent* o) { return CharsetToFormValue(static_cast<const TFont*>(o)->Charset()); },
                    [](TPersistent* o, const FormValue& v, TReaderContext&) {
                        static_cast<TFont*>(o)->SetCharset(CharsetFromFormValue(v));
                    })
            .Color("Color", &TFont::Color, &TFont::SetColor)
            .Int("Height", &TFont::Height, &TFont::SetHeight)
            .String("Name", &TFont::Name, &TFont::SetName)
            .Set("Style", &TFont::Style, &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"})
            // A description may give Size instead of Height.
            .Int("Size", &TFont::Size, &TFont::SetSize)
            .Build();
    return info;
}

int TFont::Size() const { return static_cast<int>(std::lround(-height_ * 72.0 / pixelsPerInch_)); }

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * pixelsPerInch_ / 72.0))); }

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    if (font == this) return;
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    color_ = font->color_;
    charset_ = font->charset_;
    pixelsPerInch_ = font->pixelsPerInch_;
    Changed();
}

const TClassInfo& TBrush::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TBrush>("TBrush", TPersistent::StaticClassInfo())
        .Color("Color", &TBrush::Color, &TBrush::SetColor)
        .Enum("Style", &TBrush::Style, &TBrush::SetStyle,
              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"})
        .Build();
    return info;
}

void TBrush::Assign(const TPersistent& source) {
    const auto* brush = dynamic_cast<const TBrush*>(&source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    color_ = brush->color_;
    style_ = brush->style_;
    if (OnChange) OnChange();
}

// ---------------------------------------------------------------- JPEG decoding

namespace {

constexpr unsigned long long kMaxPixels = 100000000ULL;

// libjpeg reports errors through this manager: error_exit jumps back to the
// decoder, which throws, instead of ending the process.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings that mean picture data is missing or damaged end the decoding too;
// harmless ones (extraneous bytes, unknown versions) are ignored.
void JpegEmitMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace messages
    int code = cinfo->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC || code == JWRN_HUFF_BAD_CODE)
        JpegErrorExit(cinfo);
    cinfo->err->num_warnings++;
}

// Everything libjpeg touches lives here, on the heap, so that nothing the
// decoder reads after a long jump is an automatic variable changed since setjmp.
struct JpegSession {
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
};

uint8_t Scale255(int a, int b) { return static_cast<uint8_t>((a * b + 127) / 255); }

// Decodes into out; returns an error text for the checks of our own, nullptr
// on success. libjpeg's errors jump back to the caller's setjmp, so this
// function keeps no objects with destructors.
// The scale is chosen once the header has given the picture's size; it is
// returned in scale, the picture's own size in width and height.
const char* ReadJpegPixels(JpegSession& session, const std::string& bytes, const TJPEGImage::ScaleChooser& choose,
                           TJPEGScale& scale, int& width, int& height, TImageData& out) {
    jpeg_decompress_struct& cinfo = session.cinfo;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (static_cast<unsigned long long>(cinfo.image_width) * cinfo.image_height > kMaxPixels)
        return "The picture is too large";
    width = static_cast<int>(cinfo.image_width);
    height = static_cast<int>(cinfo.image_height);
    if (choose) scale = choose(width, height);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1u << static_cast<unsigned>(scale);

    // Grayscale and CMYK are converted to RGB below; everything else libjpeg converts.
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int components = cinfo.output_components;
    if (components != (cinfo.out_color_space == JCS_GRAYSCALE ? 1 : cmyk ? 4 : 3)) return "Unsupported JPEG colour format";
    // Adobe writes CMYK inverted (255 = no ink).
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;

    const size_t outWidth = cinfo.output_width;
    out.Width = static_cast<int>(cinfo.output_width);
    out.Height = static_cast<int>(cinfo.output_height);
    out.Pixels.assign(outWidth * cinfo.output_height * 3, 0);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                 static_cast<JDIMENSION>(outWidth * components), 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        uint8_t* target = out.Pixels.data() + static_cast<size_t>(cinfo.output_scanline) * outWidth * 3;
        jpeg_read_scanlines(&cinfo, row, 1);
        const JSAMPLE* source = row[0];
        for (size_t x = 0; x < outWidth; ++x, target += 3) {
            if (components == 1) {
                target[0] = target[1] = target[2] = source[x];
            } else if (components == 3) {
                std::memcpy(target, source + x * 3, 3);
            } else {
                const JSAMPLE* p = source + x * 4;
                int c = p[0], m = p[1], y = p[2], k = p[3];
                if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
                target[0] = Scale255(c, k);
                target[1] = Scale255(m, k);
                target[2] = Scale255(y, k);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    return nullptr;
}

bool LooksLikeJpeg(const std::string& bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

}  // namespace

void TJPEGImage::LoadFromFile(const AnsiString& fileName, const ScaleChooser& choose) {
    LoadFromBytes(ReadWholeFileOrThrow(fileName), choose);
}

void TJPEGImage::LoadFromBytes(const std::string& bytes, const ScaleChooser& choose) {
    if (!LooksLikeJpeg(bytes)) throw EInvalidGraphic("The file is not a JPEG picture");

    const auto session = std::make_unique<JpegSession>();
    const auto decoded = std::make_unique<TImageData>();
    session->cinfo.err = jpeg_std_error(&session->err.pub);
    session->err.pub.error_exit = JpegErrorExit;
    session->err.pub.emit_message = JpegEmitMessage;
    if (setjmp(session->err.jump)) {
        jpeg_destroy_decompress(&session->cinfo);
        throw EInvalidGraphic(session->err.message);
    }
    jpeg_create_decompress(&session->cinfo);
    TJPEGScale scale = scale_;
    int width = 0, height = 0;
    const char* failure = ReadJpegPixels(*session, bytes, choose, scale, width, height, *decoded);
    jpeg_destroy_decompress(&session->cinfo);
    if (failure) throw EInvalidGraphic(failure);
    data_ = std::move(*decoded);
    scale_ = scale;
    width_ = width;
    height_ = height;
}

TJPEGScale ScaleToCover(int width, int height, int shownWidth, int shownHeight) {
    // libjpeg's reduced size is the own size divided and rounded up.
    auto covers = [&](int denominator) {
        return (width + denominator - 1) / denominator >= shownWidth &&
               (height + denominator - 1) / denominator >= shownHeight;
    };
    if (covers(8)) return jsEighth;
    if (covers(4)) return jsQuarter;
    if (covers(2)) return jsHalf;
    return jsFullSize;
}

// ---------------------------------------------------------------- pictures

const TClassInfo& TPicture::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TPicture>("TPicture", TPersistent::StaticClassInfo()).Build();
    return info;
}

TJPEGScale TPicture::ScaleFor(int width, int height) const {
    if (!ShownSize) return jsFullSize;
    TPoint shown = ShownSize(width, height);
    return ScaleToCover(width, height, shown.X, shown.Y);
}

void TPicture::LoadFromFile(const AnsiString& fileName) {
    TJPEGImage image;
    // throws and leaves this picture alone on failure
    image.LoadFromFile(fileName, [this](int width, int height) { return ScaleFor(width, height); });
    data_ = image.Data();
    width_ = image.Width();
    height_ = image.Height();
    scale_ = image.Scale();
    source_ = scale_ == jsFullSize ? AnsiString() : fileName;
    Changed();
}

void TPicture::Clear() {
    data_ = TImageData();
    width_ = height_ = 0;
    scale_ = jsFullSize;
    source_.clear();
    Changed();
}

void TPicture::ShownSizeChanged() {
    if (scale_ == jsFullSize || source_.empty() || ScaleFor(width_, height_) >= scale_) return;
    try {
        LoadFromFile(source_);
    } catch (const Exception&) {
        // the file is gone or changed: the reduced picture stays
    }
}

void TPicture::Assign(const TPersistent& source) {
    const auto* picture = dynamic_cast<const TPicture*>(&source);
    if (!picture) {
        TPersistent::Assign(source);
        return;
    }
    if (picture == this) return;
    data_ = picture->data_;
    width_ = picture->width_;
    height_ = picture->height_;
    scale_ = picture->scale_;
    source_ = picture->source_;
    Changed();
}
