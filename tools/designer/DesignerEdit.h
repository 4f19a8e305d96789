#pragma once

// One undoable edit of the page: the document and the selection before and after it. Undo and
// redo show the page of the other document; an edit already on screen when it is pushed is not
// applied a second time. Consecutive edits of one property of one control merge into one step.

#include <json/json.h>

#include <QString>
#include <functional>
#include <QUndoCommand>
#include <QVector>

class DesignerDocument;

class DesignerEdit : public QUndoCommand
{
public:
    struct State
    {
        Json::Value document;
        QVector<int> selection;
    };
    // Called after the page changed, so the host can show the new selection and tree.
    using Shown = std::function<void(const State& state)>;

    DesignerEdit(const QString& text, DesignerDocument* document, State before, State after,
                 Shown shown, const QString& mergeKey = QString());

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeKey.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void show(const State& state);

    DesignerDocument* m_document;
    State m_before;
    State m_after;
    Shown m_shown;
    QString m_mergeKey;
    bool m_onScreen = true;
};
