#include "platform/gfx/DC.h"

#include "platform/gfx/DCState.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/Raster.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cassert>
#include <climits>

namespace {

// The face drawn for "MS Sans Serif" and for every face this machine lacks.
constexpr const char* kFallbackFace = "DejaVu Sans";
// Character height of the default font and of a font asked for with height 0, in pixels.
constexpr int kDefaultCharacterHeight = 13;
constexpr int kMinWeight = 1;
constexpr int kMaxWeight = 1000;
constexpr int kNormalWeight = 400;
constexpr int kMaxPixelHeight = 1000;

QString ResolveFace(const std::string& face)
{
    const QString wanted = QString::fromStdString(face);
    if (!wanted.isEmpty() && wanted != QLatin1String("MS Sans Serif") && QFontDatabase::hasFamily(wanted))
        return wanted;
    return QString::fromLatin1(kFallbackFace);
}

// The pixel size (em height) whose line height fits a cell height of the given pixels.
int PixelSizeForCell(QFont font, int cellHeight)
{
    int size = cellHeight;
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
    return size;
}

QFont MakeFont(const LogFont& description)
{
    QFont font(ResolveFace(description.faceName));
    font.setStyleHint(QFont::SansSerif, QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    const int weight = description.weight <= 0 ? kNormalWeight : std::clamp(description.weight, kMinWeight, kMaxWeight);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    const int height = std::clamp(description.height, -kMaxPixelHeight, kMaxPixelHeight);
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(PixelSizeForCell(font, height));
    else
        font.setPixelSize(kDefaultCharacterHeight);
    return font;
}

// The text up to its first line break.
QString FirstLine(std::string_view text)
{
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

QColor ToQColor(Pixel pixel) { return QColor::fromRgb(QRgb(pixel)); }

// Draws the glyphs into a copy of a monochrome area and writes them back as bits.
void DrawOnMonochrome(PixelImage& image, const Rect& area, const QFont& font, QPoint baseline, const QString& text, Pixel ink)
{
    QImage copy(area.Width(), area.Height(), QImage::Format_RGB32);
    for (int y = 0; y < area.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < area.Width(); ++x)
            row[x] = image.At(area.left + x, area.top + y) ? 0xFFFFFFFFu : 0xFF000000u;
    }
    {
        QPainter painter(&copy);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(ink ? Qt::white : Qt::black);
        painter.drawText(baseline - QPoint(area.left, area.top), text);
    }
    for (int y = 0; y < area.Height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(copy.constScanLine(y));
        for (int x = 0; x < area.Width(); ++x)
            image.Row(area.top + y)[area.left + x] = qGray(row[x]) > 127 ? 1u : 0u;
    }
}

// Draws the glyphs straight onto the colour pixels, clipped to area.
void DrawOnColour(PixelImage& image, const Rect& area, const QFont& font, QPoint baseline, const QString& text, Pixel ink)
{
    QImage wrapped(reinterpret_cast<uchar*>(image.pixels.data()), image.width, image.height,
                   qsizetype(image.width) * qsizetype(sizeof(Pixel)), QImage::Format_RGB32);
    QPainter painter(&wrapped);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(QRect(area.left, area.top, area.Width(), area.Height()));
    painter.setFont(font);
    painter.setPen(ToQColor(ink));
    painter.drawText(baseline, text);
}

} // namespace

LogFont ScaledFont(const LogFont& description, int scale)
{
    LogFont scaled = description;
    scaled.height = description.height == 0 ? -kDefaultCharacterHeight * scale : description.height * scale;
    scaled.width = description.width * scale;
    return scaled;
}

CFont::CFont() = default;

CFont::~CFont() = default;

bool CFont::CreateFontIndirect(const LogFont& description)
{
    if (!platform::EnsureGuiApplication())
        return false;
    description_ = description;
    font_ = std::make_unique<QFont>(MakeFont(description));
    return true;
}

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                       bool strikeOut, int charSet, int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                       const std::string& faceName)
{
    return CreateFontIndirect({height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                               outPrecision, clipPrecision, quality, pitchAndFamily, faceName});
}

std::string CFont::ResolvedFace() const
{
    if (!font_)
        return {};
    return QFontInfo(*font_).family().toStdString();
}

const CFont& CDC::CurrentFont() const
{
    if (state_->font != nullptr && state_->font->IsCreated())
        return *state_->font;
    // Never destroyed: it holds a Qt font, which must not be destroyed after the window system
    // has ended at exit.
    static CFont& defaultFont = *new CFont;
    if (!defaultFont.IsCreated())
        defaultFont.CreateFontIndirect({});
    return defaultFont;
}

Size CDC::GetTextExtent(std::string_view text) const
{
    if (!platform::EnsureGuiApplication())
        return {};
    const QFontMetrics metrics(*CurrentFont().Font());
    return {metrics.horizontalAdvance(FirstLine(text)), metrics.height()};
}

void CDC::DrawText(std::string_view text, const Rect& rect, unsigned format)
{
    PixelImage* target = Target();
    if (target == nullptr || !platform::EnsureGuiApplication())
        return;
    const QFont& font = *CurrentFont().Font();
    const QFontMetrics metrics(font);
    const QString line = FirstLine(text);
    const int64_t width = metrics.horizontalAdvance(line);
    const int64_t left = (format & kTextCentre) ? int64_t(rect.left) + (int64_t(rect.right) - rect.left - width) / 2
                                                  : int64_t(rect.left);
    const auto clampInt = [](int64_t v) { return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); };
    const Rect cell{clampInt(left), rect.top, clampInt(left + width), clampInt(int64_t(rect.top) + metrics.height())};
    const Rect bound = (format & kTextNoClip) ? cell : cell.Intersected(rect);
    const Rect area = ClipLogical(bound);
    if (area.IsEmpty())
        return;
    const Pixel ink = PixelFor(textColour_);
    if (state_->mode == BackgroundMode::Opaque)
        raster::Fill(*target, area, PixelFor(backgroundColour_));
    // The area is inside the target, so the cell's device position fits in an int.
    const QPoint baseline(int(int64_t(cell.left) + origin_.x), int(int64_t(cell.top) + origin_.y) + metrics.ascent());
    if (target->monochrome)
        DrawOnMonochrome(*target, area, font, baseline, line, ink);
    else
        DrawOnColour(*target, area, font, baseline, line, ink);
    Touch(area);
}
