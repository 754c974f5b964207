// corvana-gen: runs the content generators and writes each resource as OUTDIR/NAME.raw.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "Borders.h"
#include "DejaVuFonts.h"
#include "DiscSheets.h"
#include "Generators.h"
#include "Icons.h"
#include "IntroGroup.h"
#include "RulesText.h"
#include "SmallPictures.h"
#include "Sounds.h"

namespace {

const GeneratorEntry GeneratorTable[] = {
    { "intro", GenerateIntro },
    { "sounds", GenerateSounds },
    { "rules", GenerateRulesText },
    { "sheets", GenerateDiscSheets },
    { "borders", GenerateBorders },
    { "smallpics", GenerateSmallPictures },
    { "icons", GenerateIcons },
    { nullptr, nullptr },
};

} // namespace

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (const Status fonts = LoadDejaVuFonts(); !fonts) {
        std::fprintf(stderr, "corvana-gen: %s\n", fonts.Failure().Message.c_str());
        return 1;
    }

    if (argc < 2) {
        std::fprintf(stderr,
            "usage: corvana-gen OUTDIR [--preview DIR] [--layout N,CELL,MARGIN] [GROUP...]\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    GeneratorContext context;
    QStringList groups;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--preview") && i + 1 < argc) {
            context.PreviewDir = argv[++i];
        } else if (!std::strcmp(argv[i], "--layout") && i + 1 < argc) {
            // The sheets and borders the game makes for this layout (sheets, borders only).
            GeneratorLayout layout;
            char tail = 0;
            if (std::sscanf(
                    argv[++i], "%d,%d,%d%c", &layout.Size, &layout.Cell, &layout.Margin, &tail)
                    != 3
                || (layout.Size != 8 && layout.Size != 10) || layout.Cell < 1 || layout.Cell > 1000
                || layout.Margin < 1 || layout.Margin > 1000) {
                std::fprintf(stderr, "corvana-gen: --layout wants N,CELL,MARGIN (N 8 or 10)\n");
                return 2;
            }
            context.Layout = layout;
        } else
            groups << QString::fromLocal8Bit(argv[i]);
    }
    for (const QString& group : groups) {
        bool known = false;
        for (const GeneratorEntry& g : GeneratorTable)
            known = known || (g.Name && group == QString::fromLatin1(g.Name));
        if (!known) {
            std::fprintf(stderr, "corvana-gen: unknown group %s\n", qPrintable(group));
            return 2;
        }
    }
    QDir().mkpath(outDir);
    if (!context.PreviewDir.empty())
        QDir().mkpath(QString::fromStdString(context.PreviewDir));

    for (const GeneratorEntry& g : GeneratorTable) {
        if (!g.Name || (!groups.isEmpty() && !groups.contains(QString::fromLatin1(g.Name))))
            continue;
        std::vector<GeneratedResource> resources;
        try {
            resources = g.Run(context);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "corvana-gen: %s: %s\n", g.Name, e.what());
            return 1;
        }
        for (const GeneratedResource& r : resources) {
            QFile f(outDir + "/" + QString::fromStdString(r.Name) + ".raw");
            if (!f.open(QIODevice::WriteOnly)
                || f.write(reinterpret_cast<const char*>(r.Bytes.data()), qint64(r.Bytes.size()))
                    != qint64(r.Bytes.size())) {
                std::fprintf(stderr, "corvana-gen: cannot write %s\n", qPrintable(f.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
