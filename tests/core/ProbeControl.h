#pragma once

// A minimal control for the tests: one content key ("text"), one look key ("look").

#include "MOXControlInfo.h"
#include "MOXQControl.h"

#include <QWidget>

class ProbeImpl : public MOXQtLib::MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    using MOXQtLib::MOXQWidgetBaseImpl::MOXQWidgetBaseImpl;

    QString text;
    QString look;
    int contentReads = 0;
    // Simulates a read that leaves the theme-resource switch set.
    bool setSwitchWhileReading = false;

protected:
    bool serializeContent(Json::Value* value, bool read) override;
    bool serializeLook(Json::Value* value, bool read) override;
};

class ProbeControl : public MOXQtLib::MOXQControl<QWidget, ProbeImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit ProbeControl(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtprobe"); }
    static QWidget* createProbeControl() { return new ProbeControl; }
    static MOXQtLib::ControlInfo getProps();
};

// Writes a control into a fresh object.
Json::Value writeControl(QWidget* control);
// Parses text that the test knows to be valid.
Json::Value parsed(const char* text);
