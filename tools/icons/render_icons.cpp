// Renders the application's icons into src/resources/icons from the Material Design
// icon font, each glyph in the colour its file name gives, at 32 pixels and at 64 pixels
// (the "@2x" file that QIcon picks on high-DPI screens). The flags are not in the font
// and are drawn here. Run through the "icons" build target; the PNG files are committed,
// so an ordinary build never needs the font.
//
// usage: render_icons FONT_FILE CODEPOINT_MAP OUTPUT_DIR
//   CODEPOINT_MAP is the font package's scss map of glyph names to code points.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

const int base_size = 32;

// Colours named by the icon files, from the Material palette (600-700 tones, which keep
// their hue on light and dark buttons alike).
QColor named_colour(const QString& s_name)
{
    static const QHash<QString, QColor> colours = {
        {"green", QColor("#2e7d32")},     {"blue", QColor("#1565c0")},
        {"light_blue", QColor("#039be5")}, {"red", QColor("#d32f2f")},
        {"dark_gray", QColor("#424242")}, {"gray", QColor("#757575")},
    };
    return colours.value(s_name);
}

struct GlyphIcon {
    const char* s_file; // relative to the output folder, without ".png"
    const char* s_glyph;
    const char* s_colour;
};

// One row per icon resource; the glyph says what the button, tab or entry does.
const GlyphIcon glyph_icons[] = {
    {"icons_google/add_green", "add_circle", "green"},
    {"icons_google/auto_blue", "auto_fix_high", "blue"},
    {"icons_google/data_dark_gray", "storage", "dark_gray"},
    {"icons_google/edit_light_blue", "edit", "light_blue"},
    {"icons_google/erase_red", "backspace", "red"},
    {"icons_google/export_blue", "file_download", "blue"},
    {"icons_google/file_dark_gray", "description", "dark_gray"},
    {"icons_google/import_blue", "file_upload", "blue"},
    {"icons_google/info_blue", "info", "blue"},
    {"icons_google/lat_red", "place", "red"},
    {"icons_google/ok_green", "check", "green"},
    {"icons_google/person_dark_gray", "person", "dark_gray"},
    {"icons_google/plot_light_blue", "insert_chart", "light_blue"},
    {"icons_google/question_light_blue", "help", "light_blue"},
    {"icons_google/remove_red", "remove_circle", "red"},
    {"icons_google/run_green", "play_circle_filled", "green"},
    {"icons_google/save_dark_gray", "save", "dark_gray"},
    {"icons_google/search_gray", "search", "gray"},
    {"icons_google/settings_dark_gray", "settings", "dark_gray"},
    {"icons_google/thrash_blue", "delete", "blue"},
    {"icons_google/vehicle_dark_gray", "local_shipping", "dark_gray"},
    {"iconFetch", "input", "blue"},
    {"iconGo", "play_arrow", "green"},
    {"iconOK", "check_circle", "green"},
    {"iconPlus", "add", "green"},
    {"iconRemove", "cancel", "red"},
    {"iconStop", "stop", "red"},
};

// Glyph names to code points, from lines like `"add_circle": e147,` of the scss map.
QHash<QString, char32_t> read_codepoints(const QString& s_path)
{
    QHash<QString, char32_t> codepoints;
    QFile file(s_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return codepoints;
    }
    const QRegularExpression line_pattern("\"([a-z0-9_]+)\"\\s*:\\s*([0-9a-fA-F]+)");
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        const QRegularExpressionMatch match = line_pattern.match(stream.readLine());
        if (match.hasMatch()) {
            codepoints.insert(match.captured(1), match.captured(2).toUInt(nullptr, 16));
        }
    }
    return codepoints;
}

QImage blank_canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The glyph fills the font's em square, which maps onto the whole canvas, so the
// icon set's own padding and optical sizes are kept.
bool render_glyph(const QString& s_font, char32_t codepoint, const QColor& colour, int size,
                  QImage& image)
{
    const QRawFont font(s_font, size);
    if (!font.isValid()) {
        return false;
    }
    const QVector<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&codepoint, 1));
    if (glyphs.size() != 1 || glyphs.front() == 0) {
        return false;
    }
    const QPainterPath path = font.pathForGlyph(glyphs.front());
    if (path.isEmpty()) {
        return false;
    }
    image = blank_canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, font.ascent() * size / (font.ascent() + font.descent()));
    painter.fillPath(path, colour);
    return true;
}

// Flags: the canvas's full width by 21 pixels (near 3:2), drawn in units of the 32-pixel
// canvas so that bands and stripes fall on whole pixels there.
using FlagPainter = void (*)(QPainter&, int size);
const double flag_width = 32;
const double flag_height = 21;

void paint_brazil(QPainter& painter, int size)
{
    painter.fillRect(QRectF(0, 0, flag_width, flag_height), QColor("#009c3b"));
    painter.setBrush(QColor("#ffdf00"));
    painter.drawPolygon(QPolygonF({{2.5, 10.5}, {16, 2}, {29.5, 10.5}, {16, 19}}));
    painter.setBrush(QColor("#002776"));
    painter.drawEllipse(QPointF(16, 10.5), 5.5, 5.5);
    if (size >= 2 * base_size) {
        painter.setPen(QPen(Qt::white, 1.0));
        painter.drawArc(QRectF(10, 8.5, 12, 8), 30 * 16, 120 * 16);
        painter.setPen(Qt::NoPen);
    }
}

void paint_germany(QPainter& painter, int)
{
    const char* bands[] = {"#000000", "#dd0000", "#ffce00"};
    for (int band = 0; band < 3; ++band) {
        painter.fillRect(QRectF(0, band * flag_height / 3, flag_width, flag_height / 3),
                         QColor(bands[band]));
    }
}

// Seven stripes and a plain canton at 32 pixels, where thirteen stripes and stars
// would blur into pink and grey; the full pattern at 64.
void paint_usa(QPainter& painter, int size)
{
    const bool detailed = size >= 2 * base_size;
    const int stripes = detailed ? 13 : 7;
    const double stripe = flag_height / stripes;
    painter.fillRect(QRectF(0, 0, flag_width, flag_height), Qt::white);
    for (int row = 0; row < stripes; row += 2) {
        painter.fillRect(QRectF(0, row * stripe, flag_width, stripe), QColor("#b22234"));
    }
    const double canton_width = 13;
    const double canton_height = stripe * (stripes / 2 + 1);
    painter.fillRect(QRectF(0, 0, canton_width, canton_height), QColor("#3c3b6e"));
    if (!detailed) {
        return;
    }
    painter.setBrush(Qt::white);
    const int star_rows = 5;
    for (int row = 0; row < star_rows; ++row) {
        for (int column = 0; column < 5; ++column) {
            const double x = 1.3 + column * 2.6 + (row % 2) * 1.3;
            const double y = (row + 0.5) * canton_height / star_rows;
            if (x < canton_width - 0.8) {
                painter.drawEllipse(QPointF(x, y), 0.4, 0.4);
            }
        }
    }
}

QImage render_flag(FlagPainter paint, int size)
{
    QImage image = blank_canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(base_size), size / double(base_size));
    painter.translate(0, 6);
    painter.setPen(Qt::NoPen);
    paint(painter, size);
    return image;
}

struct FlagIcon {
    const char* s_country;
    FlagPainter paint;
};

const FlagIcon flag_icons[] = {
    {"Brazil", paint_brazil}, {"German", paint_germany}, {"USA", paint_usa}};

bool save_both_sizes(const QString& s_base, const QImage& image, const QImage& image_2x)
{
    return image.save(s_base + ".png") && image_2x.save(s_base + "@2x.png");
}

} // namespace

int main(int argc, char* argv[])
{
    // Rendering needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icons FONT_FILE CODEPOINT_MAP OUTPUT_DIR\n");
        return 2;
    }
    const QString s_font = QString::fromLocal8Bit(argv[1]);
    const QHash<QString, char32_t> codepoints = read_codepoints(QString::fromLocal8Bit(argv[2]));
    const QDir output(QString::fromLocal8Bit(argv[3]));
    if (codepoints.isEmpty()) {
        std::fprintf(stderr, "no glyph names in %s\n", argv[2]);
        return 1;
    }
    output.mkpath("icons_google");

    int failures = 0;
    for (const GlyphIcon& icon : glyph_icons) {
        const QString s_base = output.filePath(icon.s_file);
        QImage image;
        QImage image_2x;
        const bool drawn =
            codepoints.contains(icon.s_glyph)
            && render_glyph(s_font, codepoints.value(icon.s_glyph), named_colour(icon.s_colour),
                            base_size, image)
            && render_glyph(s_font, codepoints.value(icon.s_glyph), named_colour(icon.s_colour),
                            2 * base_size, image_2x);
        if (!drawn || !save_both_sizes(s_base, image, image_2x)) {
            std::fprintf(stderr, "could not render %s from glyph %s\n", icon.s_file, icon.s_glyph);
            ++failures;
        }
    }
    // The settings window's language buttons and the status bar use separate files.
    for (const FlagIcon& flag : flag_icons) {
        for (const char* s_suffix : {"", "2"}) {
            const QString s_base =
                output.filePath(QString("icon%1Flag%2").arg(flag.s_country, s_suffix));
            if (!save_both_sizes(s_base, render_flag(flag.paint, base_size),
                                 render_flag(flag.paint, 2 * base_size))) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(s_base));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
