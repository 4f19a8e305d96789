#pragma once

// Page and menu files: JSON documents that describe a tree of controls or a popup menu. Files
// are looked up among the loaded resources (project, skin, theme) first, then on disk.

#include <QByteArray>
#include <QString>
#include <json/json.h>

class QWidget;

namespace MOXQtLib {

class MOXQContainer;
class MOXQMenu;

// A "scrollbar" element among a scroll area's children: it describes the looks of one of the
// area's own bars and is read by the area, never created as a control of its own.
bool moxIsScrollBarElement(const Json::Value& element);

// Builds the page described by `fileName` under `parent`: window keys first (when the parent
// is a library window), then every element depth first, each control's createComplete after
// its children. The control of the last element when that is a container, else null. A file
// that is missing, empty, unparsable or malformed (root not an object, "elements" or "child"
// not arrays, nesting too deep) gives null and creates nothing.
MOXQContainer* moxCreatePageByFileName(QWidget* parent, QString fileName);
// The same from a parsed document.
MOXQContainer* moxCreatePageFromJson(QWidget* parent, const Json::Value& document);

// A popup menu from a menu file, or null.
MOXQMenu* moxCreateMenuByFileName(QWidget* parent, QString fileName);

// The text of a page or menu file: ".json" appended when the name lacks it, then the
// resource layers (project, skin, theme), the skin directory and the name itself. False when
// nothing is found or the file is empty.
bool moxReadPageFile(QString fileName, QByteArray& text);

// Window settings written next to the elements of a page.
struct MOXPageWindowKeys
{
    int minW = 0;
    int minH = 0;
    bool resize = false;
    bool drag = false;
    bool onlyDragCaption = false;
    bool dbmax = false; // maximise on double click
    int dbheight = 35;  // caption height for that double click
    bool trans = false; // frameless and translucent
};

// The page document of `window`: its size, the window keys and, under "elements", what each
// child control writes of itself (children included while moxIsSerializeChild is on).
Json::Value moxPageToJson(const QWidget* window, const MOXPageWindowKeys& keys = {});
// Writes that document as indented UTF-8. The old file stays in place unless the whole new
// one was written.
bool moxSavePage(const QWidget* window, const QString& fileName,
                 const MOXPageWindowKeys& keys = {});

} // namespace MOXQtLib
