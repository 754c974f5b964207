// Corvana's program entry: the command line, the application, the windows in their order, the
// message loop.
#include <QApplication>

#include "Program.h"

int main(int argc, char** argv)
{
    QApplication::setApplicationName(QStringLiteral("Corvana"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANA_VERSION));
    // --help and --version answer before the window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (AnswerHelpOrVersion(arguments))
        return 0;

    QApplication app(argc, argv);
    TProgram program(ParseCommandLine(QApplication::arguments()));
    program.Start();
    return app.exec();
}
