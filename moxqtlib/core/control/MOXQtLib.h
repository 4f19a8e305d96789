#pragma once

// Front door of the control library: start-up, the control registry and the process flags.

#include "MOXControlInfo.h"
#include "MOXResourceFunctions.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class QStyle;
class QWidget;

namespace Json {
class Value;
}

namespace MOXQtLib {

using MOXControlCreateFunction = QWidget* (*)();
// The application's own factory: (object name, type name) -> widget or null.
using MOXAppCreateFunction = QWidget* (*)(const QString& name, const QString& typeName);

// Once per process, right after the QApplication exists: the library style, the registry,
// the built-in images and styles. Later calls do nothing.
void init();
void shutdown();
bool moxIsInitialised();

// Fills the registry with the built-in control types and detects the emulator host.
void moxInitQtControl();
// Registers the built-in control types in their table order. Defined above the core, by the one
// file that lists the controls, so the core itself knows none of them.
void moxRegisterBuiltInControls();

// Maps the name to the function and to a copy of `info`, replacing earlier entries; with
// `listed` the name also joins the listed-type set. A null name or function does nothing.
void moxRegisterQtControl(const char* typeName, MOXControlCreateFunction create, ControlInfo info,
                          bool listed = true);
// A create function only (aliases and types without a record).
void moxRegisterDefaultControl(const char* name, MOXControlCreateFunction create);
// Asked first by moxCreateControl; null unbinds.
void moxBindControlCreateFunction(MOXAppCreateFunction create);

// The record of a type, or null. A record keeps its address for the life of the process; a
// later registration of the same name overwrites it in place.
ControlInfo* moxGetControlInfo(const QString& typeName);
// All records in ascending byte order of their type names.
QVector<ControlInfo*> moxGetAllControlInfo();
// Type names registered with the listed flag, in byte order.
QVector<QByteArray> moxGetListedControlTypes();
// Every name the registry can create, aliases included, in byte order.
QVector<QByteArray> moxGetRegisteredTypeNames();

// A control from its JSON object: the application factory first (with the object's "name"),
// then the registry. The widget gets `parent`; a control then reads `json` (unless null) with
// the theme-resource switch clear. Null for unknown types.
QWidget* moxCreateControl(const QByteArray& typeName, const Json::Value& json, QWidget* parent);
// From the registry only, no properties read and no application factory asked.
QWidget* moxCreateDefaultControl(const QByteArray& typeName, QWidget* parent);

void moxEnableSerializeChild(bool enable);
bool moxIsSerializeChild();
void moxSetIsInDesigner(bool designer);
bool moxIsInDesigner();
bool moxIsQtEmulator();

// The library's single CScrollBarStyle. QApplication takes ownership of the style it is
// given and deletes it with itself or on the next setStyle; it is then created again.
QStyle* moxGetStyle();

} // namespace MOXQtLib
