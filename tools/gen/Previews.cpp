// PNG previews, and the game's reduction and board assembly replayed on generated pictures.
#include "Previews.h"

#include <QFile>

#include "Borders.h"
#include "Downscale.h"
#include "GeneratorError.h"

void SavePreviewImage(const GeneratorContext& context, const QString& name, const QImage& image)
{
    if (context.PreviewDir.empty())
        return;
    const QString path = QString::fromStdString(context.PreviewDir) + "/" + name + ".png";
    if (!image.save(path, "PNG"))
        throw TGeneratorError("cannot write preview " + path.toStdString());
}

void SavePreviewFile(
    const GeneratorContext& context, const QString& name, const std::vector<std::uint8_t>& bytes)
{
    if (context.PreviewDir.empty())
        return;
    QFile file(QString::fromStdString(context.PreviewDir) + "/" + name);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()))
            != qint64(bytes.size()))
        throw TGeneratorError("cannot write preview " + file.fileName().toStdString());
}

QImage Magnified(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void WritePreview(const GeneratorContext& context, const std::string& fileName,
    const PixelImage& picture, int zoom)
{
    if (context.PreviewDir.empty())
        return;
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = 0xFF000000u | picture.At(x, y);
    }
    QString name = QString::fromStdString(fileName);
    if (name.endsWith(QLatin1String(".png")))
        name.chop(4);
    SavePreviewImage(context, name, zoom > 1 ? Magnified(image, zoom) : image);
}

void WriteCloseup(const GeneratorContext& context, const std::string& fileName,
    const PixelImage& picture, int x, int y, int w, int h, int zoom)
{
    WritePreview(context, fileName, Crop(picture, x, y, w, h), zoom);
}

std::vector<std::uint32_t> ToBottomUp(const PixelImage& picture)
{
    std::vector<std::uint32_t> out(picture.Pixels.size());
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            out[std::size_t(picture.Height - 1 - y) * picture.Width + x] = picture.At(x, y);
    return out;
}

PixelImage FromBottomUp(const std::vector<std::uint32_t>& pixels, int width, int height)
{
    PixelImage out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.At(x, y) = pixels[std::size_t(height - 1 - y) * width + x];
    return out;
}

PixelImage ReduceSheet(const PixelImage& sheet, int frames)
{
    const int w = frames * 49, h = 8 * 49;
    std::vector<std::uint32_t> reduced(std::size_t(w) * h);
    const Status status = Downscale(ToBottomUp(sheet), reduced, sheet.Width, sheet.Height, w, h);
    if (!status)
        std::fprintf(stderr, "corvana-gen: %s\n", status.Failure().Message.c_str());
    return FromBottomUp(reduced, w, h);
}

namespace {

// The sprite store's copy: rows are memory rows of bottom-up buffers.
struct BottomUpPicture {
    int Width, Height;
    std::vector<std::uint32_t> Pixels;
    explicit BottomUpPicture(const PixelImage& p)
        : Width(p.Width)
        , Height(p.Height)
        , Pixels(ToBottomUp(p))
    {
    }
    BottomUpPicture(int w, int h)
        : Width(w)
        , Height(h)
        , Pixels(std::size_t(w) * h)
    {
    }
};

void BlitToBack(BottomUpPicture& back, int dx, int drow, int w, int h, int sx, int srow,
    const BottomUpPicture& source)
{
    for (int r = 0; r < h; ++r)
        for (int i = 0; i < w; ++i)
            back.Pixels[std::size_t(drow + r) * back.Width + dx + i]
                = source.Pixels[std::size_t(srow + r) * source.Width + sx + i];
}

} // namespace

PixelImage DrawBoardPicture(int n, const PixelImage& borderH, const PixelImage& borderV,
    const PixelImage& sheet, int restFrame, const std::vector<int>& cells)
{
    const int c = n == 8 ? 61 : 49;
    const int side = n * c + 40;
    BottomUpPicture back(side, side);
    const BottomUpPicture h(borderH), v(borderV), s(sheet);
    const bool small = n == 8;
    BlitToBack(back, 0, 0, side, 20, 0, small ? 40 : 0, h);
    BlitToBack(back, 0, n * c + 20, side, 20, 0, small ? 60 : 20, h);
    BlitToBack(back, 0, 20, 20, n * c, small ? 0 : 40, small ? 2 : 0, v);
    BlitToBack(back, n * c + 20, 20, 20, n * c, small ? 20 : 60, small ? 2 : 0, v);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const bool light = (x + y) % 2 == 0;
            const int code = cells[std::size_t(x) * n + y];
            const int band = (code == 2 ? 6 : 4) + (light ? 0 : 1);
            const int frame = code == 2 || code == 3 ? restFrame : 0;
            BlitToBack(back, 20 + x * c, (n - y - 1) * c + 20, c, c, frame * c, (7 - band) * c, s);
        }
    return FromBottomUp(back.Pixels, side, side);
}

std::vector<int> PreviewPosition(int n)
{
    std::vector<int> cells(std::size_t(n) * n, 1);
    const auto put = [&](int x, int y, int code) { cells[std::size_t(x) * n + y] = code; };
    const int m = n / 2;
    // The four starting discs and a few moves' worth around them.
    put(m - 1, m - 1, 2), put(m, m, 2), put(m - 1, m, 3), put(m, m - 1, 3);
    put(m - 2, m - 1, 3), put(m - 2, m - 2, 2), put(m + 1, m, 2), put(m, m + 1, 3),
        put(m - 1, m + 1, 3);
    put(m + 1, m - 1, 2), put(m + 2, m - 2, 3);
    return cells;
}

void WriteSheetPreviews(
    const GeneratorContext& context, const std::string& name, int frames, const PixelImage& sheet)
{
    WritePreview(context, name + "_sheet.png", sheet);
    for (int b = 0; b < 8; ++b)
        WritePreview(context, name + "_band" + std::to_string(b) + ".png",
            Crop(sheet, 0, b * 61, sheet.Width, 61), 2);
    // Close-ups: the four resting discs and two frames from the middle of a turn.
    PixelImage closeup(6 * 61, 61);
    const int picks[6][2] = { { 6, frames - 1 }, { 7, frames - 1 }, { 4, frames - 1 },
        { 5, frames - 1 }, { 0, frames / 3 }, { 7, frames / 3 } };
    for (int i = 0; i < 6; ++i)
        Paste(closeup, Crop(sheet, picks[i][1] * 61, picks[i][0] * 61, 61, 61), i * 61, 0);
    WritePreview(context, name + "_closeup.png", closeup, 4);
    const PixelImage reduced = ReduceSheet(sheet, frames);
    WritePreview(context, name + "_reduced.png", reduced);
    PixelImage small(4 * 49, 49);
    for (int i = 0; i < 4; ++i)
        Paste(small, Crop(reduced, (frames - 1) * 49, (4 + i) * 49, 49, 49), i * 49, 0);
    WritePreview(context, name + "_reduced_closeup.png", small, 4);
    const BorderPictures borders = BuildBorders();
    PixelImage board8 = DrawBoardPicture(
        8, borders.Horizontal, borders.Vertical, sheet, frames - 1, PreviewPosition(8));
    WritePreview(context, name + "_board8.png", board8);
    // The game's outlines over the squares: the hover outline, available moves of either side
    // and changed squares, at a few insets, to see that they show on these squares.
    const auto outline = [&](int x, int y, int k, std::uint32_t colour) {
        const int left = 20 + x * 61 + 1 + k, top = 20 + y * 61 + 1 + k;
        const int right = 20 + x * 61 + 60 - k, bottom = 20 + y * 61 + 60 - k;
        for (int i = left; i <= right; ++i)
            board8.At(i, top) = board8.At(i, bottom) = colour;
        for (int j = top; j <= bottom; ++j)
            board8.At(left, j) = board8.At(right, j) = colour;
    };
    outline(2, 2, 0, 0xFFCF40);
    outline(1, 1, 0, 0xFFF000), outline(2, 1, 6, 0xFFF000), outline(5, 2, 14, 0xFFF000);
    outline(1, 5, 0, 0xA0E87C), outline(2, 5, 6, 0xA0E87C), outline(5, 6, 14, 0xA0E87C);
    outline(3, 3, 10, 0xFFFFFF), outline(4, 3, 20, 0xFFFFFF), outline(3, 4, 3, 0xFFFFFF);
    WritePreview(context, name + "_marks8.png", board8);
    WritePreview(context, name + "_board10.png",
        DrawBoardPicture(
            10, borders.Horizontal, borders.Vertical, reduced, frames - 1, PreviewPosition(10)));
}
