// The tabulation request: which questions are counted (or whose free texts
// are listed), under which overall condition, split into which columns, and
// whether every sample or a random part of them is counted. The tabulation
// window keeps its working copy and hands a request to the result sheet that
// runs it; each result sheet keeps its own copy.
#pragma once

#include <QString>

#include <array>

#include "model/survey_types.h"

namespace kz {

struct Survey;

// Individual conditions a request may have: columns 1 to 128 of Limits.
inline constexpr int MaxLimitCount = 128;

enum TotalKind : Integer {
    TotalCodedAnswers = 1,
    TotalFreeTexts = 2,
};

struct TotalOptionRec {
    QString Title;
    Integer Kind = TotalCodedAnswers;
    // Coded answers: the range of questions counted. Free texts: Qno is the
    // question whose answers decide who is listed.
    Integer Qno = 0;
    Integer ToQno = 0;
    // 0: every answer counts; n: only the answer given at rank n.
    Integer Rank = 0;
    // A copy of Limits[0], filled by the result sheet that takes the request.
    Condition ExLimit{};
    // Limits[0] is the overall condition "全体の限定"; Limits[1..LimitCount]
    // the individual conditions "個別の限定", one result column each.
    std::array<Condition, MaxLimitCount + 1> Limits{};
    Integer LimitCount = 1;
    // Coded answers with CrossMode 0: the cross question. Free texts: the
    // choice of Qno listed, ChoiceCount for any choice but 0.
    Integer XQno = 0;
    // Coded answers: 0 by the choices of XQno, 1 from the stored limits, 2
    // edited freely. Free texts: -1 to 5, the condition on the free text.
    Integer CrossMode = 0;
    QString EssayText;
    double QtyMin = 0;
    double QtyMax = 0;
    QString CodeFrom;
    QString CodeTo;
    // Count a random part of the samples.
    bool Rough = false;
};

// Why the request cannot run on the questionnaire, or "" when it can: its
// kind, questions, rank, number of columns, cross question or choice, cross
// mode and every row of its conditions are checked against the
// questionnaire. Every consumer of a request checks it here first.
QString TotalOptionRefusal(const TotalOptionRec& option, const Survey& questionnaire);

}  // namespace kz
