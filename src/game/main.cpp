// Corvana's program entry: the command line, the application, the windows in their order, the
// message loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "Program.h"

int main(int argc, char** argv)
{
    QApplication::setApplicationName(QStringLiteral("Corvana"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANA_VERSION));
    // Shells match the window to its launcher by this name (Wayland) or by the window's class,
    // which is the application name (X11: the entry's StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.corvana.Corvana"));
    // The command line is answered before the window system is needed: help, version and
    // mistakes work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine line = ReadCommandLine(arguments);
    switch (line.What) {
    case TCommandLine::Help:
    case TCommandLine::Version:
        std::fputs(qPrintable(line.Text), stdout);
        return 0;
    case TCommandLine::Mistake:
        std::fputs(qPrintable(line.Text), stderr);
        return 2;
    case TCommandLine::Run:
        break;
    }

    QApplication app(argc, argv);
    if (!AsksForOriginalTexts(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")))
        InstallTranslations(QLocale::system());
    TProgram program(line.Options);
    program.Start();
    return app.exec();
}
