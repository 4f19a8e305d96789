#pragma once

// Keeps what a page file holds beyond what its controls write back. For every control built
// from the file, its object there and what the control first wrote of itself are kept; when
// the page is written again, each key the control still writes as it first did is taken from
// the file as it stood. A page saved without edits is the file's document again, and an edit
// changes only the keys it touches (keys no control knows and values spelt another way stay).

#include <json/json.h>

#include <QHash>
#include <QList>
#include <QObject>

#include <memory>

class QWidget;

namespace MOXQtLib {
class MOXQCanvasWindow;
}

class DesignerKeyKeeper
{
public:
    DesignerKeyKeeper();
    ~DesignerKeyKeeper();
    DesignerKeyKeeper(const DesignerKeyKeeper&) = delete;
    DesignerKeyKeeper& operator=(const DesignerKeyKeeper&) = delete;

    // Forgets every control and, until finishRead, remembers the objects controls read.
    void beginRead(const Json::Value& document);
    // Notes what each control of the built page writes now, as the state left untouched.
    void finishRead(const MOXQtLib::MOXQCanvasWindow* page);
    // The page's document with the file's own keys kept where nothing changed them.
    Json::Value document(const MOXQtLib::MOXQCanvasWindow* page);

    // Three-way merge of one object: keys whose `now` value (or absence) equals `baseline`
    // take `source`'s, the rest `now`'s. `structural` (children) always comes from `now`.
    static Json::Value merged(const Json::Value& source, const Json::Value& baseline,
                              const Json::Value& now, const char* structural);
    // The children of one control: the file's own order and its look entries (scroll bars)
    // while the control writes the same looks as at first; `now` marks its control entries.
    static Json::Value mergedChildren(const Json::Value& source, const Json::Value& baselineLooks,
                                      const Json::Value& now);
    // What marks an element a control wrote through the hook (removed from documents).
    static const char* controlMark();

private:
    struct Record
    {
        Json::Value source;
        Json::Value sourceChildren;
        Json::Value baseline;
        Json::Value baselineLooks;
        bool hasBaseline = false;
    };
    enum Mode
    {
        Idle,
        Reading,
        Capturing,
        Writing
    };

    static QList<DesignerKeyKeeper*>& keepers();
    void read(QWidget* control, const Json::Value& element);
    void written(QWidget* control, Json::Value& element);
    void forget(QObject* object);

    QHash<const QObject*, Record> m_records;
    // Receives the controls' destroyed signals; replaced to drop them all at once.
    std::unique_ptr<QObject> m_guard;
    Json::Value m_sourceRoot;
    Json::Value m_baselineRoot;
    Mode m_mode = Idle;
};
