// The bedside-monitor example: two sweeping waveform charts driven by a synthetic heart.
//   graphdeck-monitor [--speed 12.5|25|50] [--screenshot FILE [--after SECONDS]]
// With --screenshot the window is written to FILE after SECONDS (default 3) and the program
// ends; the exit code tells whether the file was written.
#include "MonitorWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sweeping ECG and ICD traces"));
    parser.addHelpOption();
    const QCommandLineOption speed(QStringLiteral("speed"),
                                   QStringLiteral("Sweep speed in mm/s: 12.5, 25 or 50."),
                                   QStringLiteral("mm/s"), QStringLiteral("25"));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Write the window to a PNG file and quit."),
                                  QStringLiteral("file"));
    const QCommandLineOption after(QStringLiteral("after"),
                                   QStringLiteral("Seconds to sweep before the screenshot."),
                                   QStringLiteral("seconds"), QStringLiteral("3"));
    parser.addOptions({speed, shot, after});
    parser.process(app);

    MonitorWindow window(parser.value(speed).toDouble());
    window.show();
    window.start();

    if (parser.isSet(shot)) {
        const int ms = int(qBound(0.0, parser.value(after).toDouble(), 600.0) * 1000);
        QTimer::singleShot(ms, &window, [&]() {
            const bool saved = window.grab().save(parser.value(shot));
            app.exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
