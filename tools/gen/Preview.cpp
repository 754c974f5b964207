// Preview output of corvana-gen.
#include "Preview.h"

#include <QFile>

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
