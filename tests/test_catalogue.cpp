// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle catalogue: what every record must hold for the board to show it, the proof that
// its clues allow one answer and need every clue, the solver on small clue sets. Puzzle 1's
// texts as given are in test_golden's pictures too; the two most often "corrected" are here.
#include "catalogue/catalogue.h"
#include "catalogue/clue.h"
#include "catalogue/solver.h"

#include <QStringList>
#include <QTest>

using namespace zlp;

namespace {
// Category c, item i of a small test puzzle is named "<letter c><i>".
void resolveTiny(ClueExpr& e) {
    if (!e.nameA.empty()) e.a = {e.nameA[0] - 'A' + 1, e.nameA[1] - '0'};
    if (!e.nameB.empty()) e.b = {e.nameB[0] - 'A' + 1, e.nameB[1] - '0'};
    for (auto& p : e.parts) resolveTiny(p);
}
} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
    static QString q(const std::string& s) { return QString::fromStdString(s); }

private slots:
    void record_data() {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= 25; ++n) QTest::addRow("puzzle %02d", n) << n;
    }
    void record() {
        QFETCH(int, number);
        const PuzzleRecord& r = *PuzzleCatalogue::instance().find(number);
        // A menu title of 1 to 19 characters; side labels run down category 1, then 4, then 3.
        QVERIFY2(!r.MenuTitle.empty() && r.MenuTitle.size() <= 19, r.MenuTitle.c_str());
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(q(r.SideItems[k]), q(r.Items[0][k]));
            QCOMPARE(q(r.SideItems[5 + k]), q(r.Items[3][k]));
            QCOMPARE(q(r.SideItems[10 + k]), q(r.Items[2][k]));
        }
        // The clue panel holds 28 lines of 38; a clue starts with a star, further lines indent 3.
        const QStringList lines = q(r.ClueText).split(QStringLiteral("\r\n"));
        QVERIFY2(lines.size() >= 25 && lines.size() <= 28, qPrintable(q(r.ClueText)));
        int clues = 0;
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= 38 && !line.contains(QLatin1Char('\r')), qPrintable(line));
            QVERIFY2(line.isEmpty() || line.startsWith(QLatin1Char('*')) ||
                         (line.startsWith(QStringLiteral("   ")) && line[3] != QLatin1Char(' ')),
                     qPrintable(line));
            clues += line.startsWith(QLatin1Char('*'));
        }
        QCOMPARE(std::size_t(clues), r.ClueMeanings.size());

        // Exactly one answer, the stored one, and no clue can be left out.
        const SolveReport rep = solve(r.ClueMeanings, r.Values);
        QCOMPARE(rep.answers, 1LL);
        QVERIFY(rep.firstAnswers.front() == assignmentFromSolution(r.Solution));
        for (std::size_t i = 0; i < rep.withoutClue.size(); ++i)
            QVERIFY2(rep.withoutClue[i] > 1, qPrintable(QString("clue %1 not needed").arg(i + 1)));
    }

    // Puzzle 1's fifth clue and its introduction's break stand word for word as given.
    void puzzleOneAsGiven() {
        const PuzzleRecord& r = *PuzzleCatalogue::instance().find(1);
        QCOMPARE(
            q(r.ClueText).split(QStringLiteral("\r\n\r\n")).value(4),
            QStringLiteral("*The conference on the third floor\r\n   will begin at 9:30 a.m."));
        QVERIFY(r.IntroText.find("on which\r\nfloor (1st, 2nd, 3rd, 4th or 5th) at what time") !=
                std::string::npos);
    }

    void solverCounts_data() {
        using namespace clue;
        constexpr long long all = 120LL * 120 * 120;
        QTest::addColumn<std::vector<ClueExpr>>("clues");
        QTest::addColumn<long long>("answers");
        QTest::addColumn<std::vector<long long>>("withoutClue");
        QTest::newRow("pairs") << std::vector{same("A1", "B1"), same("A1", "C1")} << all / 25
                               << std::vector{all / 5, all / 5};
        QTest::newRow("contradiction") << std::vector{same("A1", "B1"), differ("A1", "B1")} << 0LL
                                       << std::vector{all * 4 / 5, all / 5};
        QTest::newRow("after") << std::vector{after("B1", "B2", 1), before("B1", "B3", 1)}
                               << all / 6 << std::vector{all / 2, all / 2};
        QTest::newRow("next to") << std::vector{nextTo("B1", "B2", 1)} << all * 8 / 20
                                 << std::vector{all};
        // Two entries: B1 not with A1 (96 of 120), C1 and D1 on them either way round.
        QTest::newRow("one each, two categories") << std::vector{oneEach("A1", "B1", "C1", "D1")}
                                                  << 96LL * 2 * 24 * 24 << std::vector{all};
    }
    void solverCounts() {
        QFETCH(std::vector<ClueExpr>, clues);
        QFETCH(long long, answers);
        QFETCH(std::vector<long long>, withoutClue);
        for (auto& c : clues) resolveTiny(c);
        const SolveReport rep = solve(clues, ItemValues{});
        QCOMPARE(rep.answers, answers);
        QCOMPARE(rep.withoutClue, withoutClue);
        QCOMPARE(rep.firstAnswers.size(), std::size_t(std::min(answers, 2LL))); // two to tell apart
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
