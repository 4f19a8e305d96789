// Defines a control of its own, creates it by type name and writes it back.
#include <ChartFunctions.h>
#include <MOXJson.h>
#include <MOXQControl.h>
#include <MOXQtLib.h>

#include <QApplication>
#include <QLabel>

#include <cstdio>

class Greeting : public MOXQtLib::MOXQControl<QLabel, MOXQtLib::MOXQWidgetBaseImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    Greeting() : MOXQControl(QStringLiteral("qtgreeting")) {}
    static QWidget* createGreeting() { return new Greeting; }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MOXQtLib::init();
    MOXQtLib::moxRegisterQtControl(
        "qtgreeting", &Greeting::createGreeting,
        MOXQtLib::moxMakeControlInfo("qtgreeting", "Greeting", "Greeting", "Greeting", "hi"));
    Json::Value json;
    MOXQtLib::jsonParse(std::string(R"({"name": "hello", "x": 4, "w": 50, "h": 10})"), json);
    QWidget* widget = MOXQtLib::moxCreateControl("qtgreeting", json, nullptr);
    auto* control = qobject_cast<MOXQtLib::IMOXQWidgetBase*>(widget);
    if (!control) return 1;
    Json::Value out(Json::objectValue);
    control->serializeJsonValue(&out, false);
    std::printf("%s %s\n", MOXQtLib::jsonWrite(out).c_str(),
                MOXQtLib::formatChartNumber(1500).toUtf8().constData());
    delete widget;
    return 0;
}

#include "main.moc"
