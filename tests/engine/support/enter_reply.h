// Enters one record as the entry window stores a reply: a new sample of the
// workspace with the ID, and the reply (with the line end the hand-over adds)
// parsed, checked and stored into it. The parse's status: empty when stored.
#pragma once

#include <QString>

#include "model/sample_table.h"
#include "reply/reply_parse.h"

namespace kz::test {

inline QString EnterReply(Workspace& ws, Long ID, const QString& reply)
{
    QString text = reply + QStringLiteral("\r\n");
    Integer cursorQ = 0, cursorN = 0, caretQ = 0;
    int caret = -1;
    QString status;
    ParseReply(ws, AppendSampleRec(ws, ID), text, cursorQ, cursorN, caret, caretQ, status);
    return status;
}

}  // namespace kz::test
