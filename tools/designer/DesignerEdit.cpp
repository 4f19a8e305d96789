#include "DesignerEdit.h"

#include "DesignerDocument.h"

#include <utility>

DesignerEdit::DesignerEdit(const QString& text, DesignerDocument* document, State before,
                           State after, Shown shown, const QString& mergeKey)
    : QUndoCommand(text), m_document(document), m_before(std::move(before)),
      m_after(std::move(after)), m_shown(std::move(shown)), m_mergeKey(mergeKey)
{
}

void DesignerEdit::undo()
{
    show(m_before);
}

void DesignerEdit::redo()
{
    // Pushed after the change was made on the page: nothing to do the first time.
    if (std::exchange(m_onScreen, false)) return;
    show(m_after);
}

bool DesignerEdit::mergeWith(const QUndoCommand* other)
{
    const auto* edit = dynamic_cast<const DesignerEdit*>(other);
    if (!edit || edit->m_mergeKey.isEmpty() || edit->m_mergeKey != m_mergeKey) return false;
    m_after = edit->m_after;
    return true;
}

void DesignerEdit::show(const State& state)
{
    m_document->restore(state.document);
    if (m_shown) m_shown(state);
}
