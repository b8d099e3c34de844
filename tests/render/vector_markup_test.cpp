// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/clock.h"
#include "render/image_report_memory.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/render_test_support.h"
#include "render/svg_drawing_surface.h"
#include "render/table_renderer.h"
#include "render/vector_cut.h"
#include "render/xml_text.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The table drawn at (0, 0) as a vector file in memory.
QByteArray VectorFile(Document& document, VectorFormat format, QSize cut) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const FixedClock clock(QDate(2025, 6, 15));
    RecordingSink sink;
    ImageReportMemory reports;
    RenderOptions options;
    options.originX = options.originY = 0;
    SettleForDrawing(document, options, clock);
    EXPECT_EQ(WriteVectorCut(buffer, format, cut, false, document, options, sink, reports),
              QString());
    return buffer.data();
}

struct Markup {
    QStringList texts;          // the content of every <text>
    QStringList attributeNames; // of every element
    QStringList fontFamilies;
    QString error;
};

Markup ReadMarkup(const QByteArray& svg) {
    Markup markup;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            markup.attributeNames.append(attribute.name().toString());
            if (attribute.name() == QLatin1String("font-family"))
                markup.fontFamilies.append(attribute.value().toString());
        }
        if (reader.name() == QLatin1String("text")) markup.texts.append(reader.readElementText());
    }
    markup.error = reader.errorString();
    return markup;
}

} // namespace

TEST(SvgMarkup, LeavesOutWhatXmlCannotHold) {
    Document document = MakeTable(2, 1, 120, 20);
    document.cell(0, 0).text =
        QStringLiteral("a\u0001b\u001Fc\uFFFEd\uFFFF\te") + QChar(0xD800) + QStringLiteral("f");
    document.cell(1, 0).text = QStringLiteral("g\u0008\u000Bh");
    const Markup markup = ReadMarkup(VectorFile(document, VectorFormat::Svg, {245, 22}));
    EXPECT_EQ(markup.error, QString());
    EXPECT_EQ(markup.texts, (QStringList{QStringLiteral("abcd\tef"), QStringLiteral("gh")}))
        << markup.texts.join(u'|').toStdString();

    // A pair is kept whole; a high surrogate that ends the text is dropped, never paired with
    // what lies past the end; the line breaks survive as references.
    const QString paired = QStringLiteral("x") + QChar(0xD83D) + QChar(0xDE00);
    QByteArray out;
    AppendXmlText(out, paired);
    EXPECT_EQ(out, paired.toUtf8());
    out.clear();
    AppendXmlText(out, QStringView(paired).first(2));
    AppendXmlText(out, QStringLiteral("\r\n\u007F\u0080\u07FF\u0800\u20AC"));
    EXPECT_EQ(out, QByteArray("x&#13;&#10;\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC"));
}

// Whatever a cell's text or font name holds, the markup stays well-formed and gives it back.
TEST(SvgMarkup, HostileTextAndFontNamesStayTheirOwn) {
    Document document = MakeTable(2, 1, 200, 20);
    const QString injected = QStringLiteral("Arial\" onload=\"alert(1)");
    const QString text = QStringLiteral("<b>&amp;\"]]></text><script>x</script>'");
    document.cell(0, 0).fontName = injected;
    document.cell(0, 0).text = text;
    document.cell(1, 0).fontName = QStringLiteral("<b>&'\t]]>");
    document.cell(1, 0).text = QStringLiteral("y");
    const QByteArray svg = VectorFile(document, VectorFormat::Svg, {405, 22});
    const Markup markup = ReadMarkup(svg);
    EXPECT_EQ(markup.error, QString());
    EXPECT_EQ(markup.texts, (QStringList{text, QStringLiteral("y")}));
    EXPECT_EQ(markup.fontFamilies, (QStringList{injected, QStringLiteral("<b>&'\t]]>")}));
    for (const QString& name : markup.attributeNames)
        EXPECT_FALSE(name.startsWith(QLatin1String("on"))) << name.toStdString();
    EXPECT_FALSE(svg.contains("<script"));
}

// Where the dark pixels of a picture lie, inside its outline of one pixel.
QRect Ink(const QImage& picture) {
    QRect ink;
    for (int y = 1; y < picture.height() - 1; ++y)
        for (int x = 1; x < picture.width() - 1; ++x)
            if (qGray(picture.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

// A rotated font reads downwards from the top-left corner of its line, where the picture
// shows it.
TEST(SvgMarkup, RotatedTextLiesWhereThePictureShowsIt) {
    Document document = MakeTable(1, 1, 40, 100);
    document.cell(0, 0).text = QStringLiteral("Turned");
    document.cell(0, 0).alignment = Alignment::RotatedTop;
    const QSize cut(42, 102);
    const QByteArray svg = VectorFile(document, VectorFormat::Svg, cut);
    EXPECT_EQ(ReadMarkup(svg).texts, QStringList{QStringLiteral("Turned")});
    EXPECT_EQ(svg.count(") rotate(90)\" x=\"0\" y="), 1) << svg.toStdString();

    QImage drawn(cut, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    QImage picture = MakePicture(cut.width(), cut.height(), 0xFFFFFF);
    QtDrawingSurface surface;
    RecordingSink sink;
    ImageReportMemory reports;
    RenderOptions options;
    options.originX = options.originY = 0;
    RenderTable(surface, picture, document, options, sink, reports); // settled by VectorFile
    surface.ReleaseTarget();
    const QRect svgInk = Ink(drawn), pictureInk = Ink(picture);
    EXPECT_GT(svgInk.height(), 2 * svgInk.width());
    for (const auto& [a, b] : {std::pair{svgInk.left(), pictureInk.left()},
                               {svgInk.right(), pictureInk.right()},
                               {svgInk.top(), pictureInk.top()},
                               {svgInk.bottom(), pictureInk.bottom()}})
        EXPECT_NEAR(a, b, 2);
}

TEST(VectorImages, OnePictureServesEveryCellThatShowsIt) {
    // A large image in 3 x 2 cells of 38 x 18 pixels inside their lines.
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    const QString path = TestFilePath(QStringLiteral("shared.png"));
    ASSERT_TRUE(image.save(path));
    Document document = MakeTable(3, 2, 40, 20);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            document.cell(column, row).backColour = kImageCellMarker;
            document.cell(column, row).imageSpec = path + QStringLiteral("*0");
        }
    }
    const QSize cut(123, 43);
    const QByteArray svg = VectorFile(document, VectorFormat::Svg, cut);
    EXPECT_EQ(svg.count("data:image/png;base64,"), 1);
    EXPECT_EQ(svg.count("<use "), 5);
    // The one copy has four pixels per unit of the 36 x 18 it fills, not the file's 400.
    const qsizetype data = svg.indexOf("base64,") + 7;
    const QImage embedded = QImage::fromData(
        QByteArray::fromBase64(svg.mid(data, svg.indexOf('"', data) - data)), "PNG");
    EXPECT_EQ(embedded.size(), QSize(4 * 36, 4 * 18));
    // Every cell shows it in its own place.
    QImage drawn(cut, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    for (const QPoint centre : {QPoint(20, 10), QPoint(100, 10), QPoint(60, 31), QPoint(100, 31)})
        EXPECT_EQ(drawn.pixel(centre), qRgb(0, 0, 255)) << centre.x() << "," << centre.y();

    const QByteArray pdf = VectorFile(document, VectorFormat::Pdf, cut);
    EXPECT_EQ(pdf.count("/Subtype /Image"), 1);
}

// A target that takes nothing, as a full disk: the document is not written, and says why.
TEST(VectorImages, ATargetThatTakesNothingFailsTheWrite) {
    class Full final : public QIODevice {
    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char*, qint64) override {
            setErrorString(QStringLiteral("full"));
            return -1;
        }
    } full;
    full.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    SvgDrawingSurface surface(full, {10, 10});
    surface.FillTarget(0);
    EXPECT_EQ(surface.Finish(), QStringLiteral("full"));
}

// Boxes of every fill and pen width, dotted lines up to the edge, solid lines: the SVG surface
// puts them on the pixels of the picture surface.
TEST(SvgSurface, DrawsThePixelsOfThePictureSurface) {
    const auto draw = [](DrawingSurface& surface) {
        surface.FillTarget(0xFFFFFF);
        surface.DrawBox(2, 2, 20, 12, 0xFF0000, BoxFill::Hollow());
        surface.SetPenWidth(3);
        surface.DrawBox(25, 2, 50, 20, 0x00FF00, BoxFill::Solid(0x0000FF));
        surface.SetPenWidth(2);
        surface.DrawBox(55, 2, 80, 20, 0x000000, BoxFill::Tint(0x00FFFF));
        surface.DrawBox(84, 2, 85, 3, 0x808000, BoxFill::Solid(0x0000FF)); // no inside
        surface.SetPenWidth(1);
        surface.SetPenStyle(PenStyle::Dotted);
        surface.DrawLine(1, 30, 99, 30, 0x000080);
        surface.DrawLine(95, 59, 95, 24, 0x008000);
        surface.SetPenStyle(PenStyle::Solid);
        surface.DrawLine(60, 40, 2, 40, 0x123456);
    };
    const QSize size(100, 60);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SvgDrawingSurface svg(buffer, size);
    draw(svg);
    ASSERT_EQ(svg.Finish(), QString());
    QImage drawn(size, QImage::Format_RGB32);
    QPainter painter(&drawn);
    QSvgRenderer(buffer.data()).render(&painter);
    painter.end();

    QImage picture = MakePicture(size.width(), size.height());
    QtDrawingSurface raster;
    raster.SelectTarget(picture);
    draw(raster);
    raster.ReleaseTarget();
    int differing = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = picture.pixel(x, y);
            differing += std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                         std::abs(qBlue(a) - qBlue(b)) > 2;
        }
    }
    EXPECT_EQ(differing, 0) << buffer.data().toStdString();
}

TEST(SvgSurface, ASlantedLineIsALineElement) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SvgDrawingSurface svg(buffer, QSize(40, 40));
    svg.DrawLine(1, 2, 30, 35, 0x0000FF);
    ASSERT_EQ(svg.Finish(), QString());
    QXmlStreamReader reader(buffer.data());
    int lines = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("line")) {
            ++lines;
            EXPECT_EQ(reader.attributes().value(QLatin1String("stroke")), QLatin1String("#ff0000"));
            EXPECT_FALSE(reader.attributes().hasAttribute(QLatin1String("stroke-dasharray")));
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(lines, 1);
}

TEST(SvgSurface, WritesTheFontsLook) {
    Document document = MakeTable(2, 1, 60, 20);
    document.cell(0, 0).text = QStringLiteral("a");
    document.cell(0, 0).bold = document.cell(0, 0).italic = document.cell(0, 0).underline = 1;
    document.cell(1, 0).text = QStringLiteral("b");
    document.cell(1, 0).underline = document.cell(1, 0).strikeout = 1;
    const QByteArray svg = VectorFile(document, VectorFormat::Svg, {125, 22});
    EXPECT_TRUE(svg.contains(
        " font-weight=\"700\" font-style=\"italic\" text-decoration=\"underline\" fill="))
        << svg.toStdString();
    EXPECT_TRUE(svg.contains("\" text-decoration=\"underline line-through\" fill="));
}
