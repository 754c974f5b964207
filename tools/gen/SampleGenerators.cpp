// The "samples" generator group: a few small test resources of the codec's own, one of each kind
// the program carries (planes picture, triplets picture, WAVE image, empty, raw bytes, Windows
// bitmap). They keep the resource pipeline exercised until the real content lands; then this file
// and the SAMPLE_ lines of src/media/ResourceList.cmake go.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "SampleGenerators.h"

namespace {

void SavePreview(const GeneratorContext& context, const QImage& image, const char* name)
{
    if (!context.PreviewDir.empty())
        image.save(QString::fromStdString(context.PreviewDir) + "/" + name + ".png");
}

// A small disc sheet: 5 frames of a disc turning over, in a light and a dark band.
QImage PaintDiscSheet()
{
    constexpr int Cell = 61;
    QImage image(5 * Cell, 2 * Cell, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int band = 0; band < 2; ++band) {
        const QColor square = band == 0 ? QColor(196, 170, 120) : QColor(120, 92, 58);
        for (int frame = 0; frame < 5; ++frame) {
            const QRect cell(frame * Cell, band * Cell, Cell, Cell);
            p.fillRect(cell, square);
            p.setPen(QColor(70, 50, 30));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
            // The disc narrows as it turns edge-on and shows its other face past half way.
            const double turn = std::cos(frame * M_PI / 4);
            const double half = 24 * std::max(0.08, std::abs(turn));
            const QColor face = turn >= 0 ? QColor(250, 214, 40) : QColor(40, 170, 70);
            const QPointF centre = QRectF(cell).center();
            QRadialGradient shade(centre - QPointF(half / 3, 8), 30);
            shade.setColorAt(0, face.lighter(150));
            shade.setColorAt(1, face.darker(140));
            p.setPen(QPen(face.darker(200), 1));
            p.setBrush(shade);
            p.drawEllipse(centre, half, 24);
        }
    }
    return image;
}

// A tile that repeats seamlessly: soft interference rings.
QImage PaintTile()
{
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const double a = 2 * M_PI * x / 256, b = 2 * M_PI * y / 256;
            const double v = (std::sin(a) + std::sin(b) + std::sin(a + b) + 3) / 6;
            image.setPixel(x, y, qRgb(int(40 + 60 * v), int(60 + 120 * v), int(110 + 140 * v)));
        }
    }
    return image;
}

// Three planes (red, green, blue), each top row first.
std::vector<std::uint8_t> Planes(const QImage& image)
{
    const std::size_t n = std::size_t(image.width()) * std::size_t(image.height());
    std::vector<std::uint8_t> bytes(3 * n);
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x, ++i) {
            const QRgb c = image.pixel(x, y);
            bytes[i] = std::uint8_t(qRed(c));
            bytes[n + i] = std::uint8_t(qGreen(c));
            bytes[2 * n + i] = std::uint8_t(qBlue(c));
        }
    }
    return bytes;
}

// Triplets already in blue, green, red order, rows as they come.
std::vector<std::uint8_t> Triplets(const QImage& image)
{
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            bytes.push_back(std::uint8_t(qBlue(c)));
            bytes.push_back(std::uint8_t(qGreen(c)));
            bytes.push_back(std::uint8_t(qRed(c)));
        }
    }
    return bytes;
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}

void Put16(std::vector<std::uint8_t>& b, std::uint16_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void PutTag(std::vector<std::uint8_t>& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(tag[i]));
}

// A RIFF WAVE image as the program's sounds are: PCM, mono, 8 bits, 16,000 samples per second,
// chunks "fmt ", "fact" and "data". The sound is a short falling chirp with a decay.
std::vector<std::uint8_t> Chirp()
{
    constexpr std::uint32_t Rate = 16000;
    constexpr std::uint32_t Samples = 3200;
    std::vector<std::uint8_t> data;
    double phase = 0;
    for (std::uint32_t i = 0; i < Samples; ++i) {
        const double t = double(i) / Rate;
        phase += 2 * M_PI * (1400 - 4000 * t) / Rate;
        const double v = std::sin(phase) * std::exp(-t * 12);
        data.push_back(std::uint8_t(std::lround(128 + 100 * v)));
    }
    std::vector<std::uint8_t> b;
    b.reserve(44 + data.size());
    PutTag(b, "RIFF");
    Put32(b, std::uint32_t(4 + (8 + 16) + (8 + 4) + 8 + data.size()));
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, 1); // mono
    Put32(b, Rate);
    Put32(b, Rate); // bytes per second
    Put16(b, 1); // block align
    Put16(b, 8); // bits per sample
    PutTag(b, "fact");
    Put32(b, 4);
    Put32(b, Samples);
    PutTag(b, "data");
    Put32(b, std::uint32_t(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

// A 44 × 34 picture of a box with a small palette, as a Windows bitmap file image.
QImage PaintBox()
{
    QImage rgb(44, 34, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    QPainter p(&rgb);
    const QPolygon front({ QPoint(4, 12), QPoint(28, 12), QPoint(28, 32), QPoint(4, 32) });
    const QPolygon top({ QPoint(4, 12), QPoint(16, 3), QPoint(40, 3), QPoint(28, 12) });
    const QPolygon side({ QPoint(28, 12), QPoint(40, 3), QPoint(40, 23), QPoint(28, 32) });
    p.setPen(QColor(80, 50, 20));
    p.setBrush(QColor(205, 150, 80));
    p.drawPolygon(front);
    p.setBrush(QColor(230, 185, 115));
    p.drawPolygon(top);
    p.setBrush(QColor(170, 115, 55));
    p.drawPolygon(side);
    p.end();
    return rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

std::vector<std::uint8_t> BitmapFile(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

std::vector<GeneratedResource> GenerateSamples(const GeneratorContext& context)
{
    const QImage sheet = PaintDiscSheet();
    const QImage tile = PaintTile();
    const QImage box = PaintBox();
    SavePreview(context, sheet, "SAMPLE_PLANES");
    SavePreview(context, tile, "SAMPLE_TRIPLETS");
    SavePreview(context, box, "SAMPLE_BITMAP");

    std::vector<std::uint8_t> ramp(256);
    for (int i = 0; i < 256; ++i)
        ramp[std::size_t(i)] = std::uint8_t(i);

    return {
        { "SAMPLE_PLANES", Planes(sheet) },
        { "SAMPLE_TRIPLETS", Triplets(tile) },
        { "SAMPLE_WAVE", Chirp() },
        { "SAMPLE_EMPTY", {} },
        { "SAMPLE_RAW", ramp },
        { "SAMPLE_BITMAP", BitmapFile(box) },
    };
}
