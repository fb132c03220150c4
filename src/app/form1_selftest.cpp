// SPDX-License-Identifier: GPL-2.0-or-later
// The reference self-test: every Bible key stored for a day of the shown
// edition goes through the Bible navigation once. Keys that cannot be shown are reported
// with their day, and the test goes on.

#include "form1.h"

#include "StdUtil.h"
#include "dates.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int listed_problems = 30;

QString problem_report(const QStringList& problems)
{
    QString text = QStringLiteral("Test Bibelstellen: %1 Bibelstellen konnten nicht gezeigt werden:")
                       .arg(problems.size());
    for (const QString& problem : problems.mid(0, listed_problems))
        text += u'\n' + problem;
    if (problems.size() > listed_problems)
        text += QStringLiteral("\n… und %1 weitere").arg(problems.size() - listed_problems);
    return text;
}

} // namespace

void Form1::Command3_Click()
{
    // A finished run has nothing left to test, and a run begun in another
    // edition does not go on in this one: the next run starts afresh.
    const QDate first_test_day = state_.book->firstdate;
    const QDate last_test_day = state_.book->lastdate;
    if (state_.testdatum && (*state_.testdatum >= last_test_day || *state_.testdatum < first_test_day))
        state_.testdatum.reset();

    QStringList problems;
    const auto report = [&problems](const QString& problem) {
        problems.append(problem);
        std::fprintf(stderr, "Test Bibelstellen: %s\n", qPrintable(problem));
    };

    // The events the test lets run may change the edition; the test ends there.
    const OpenBook* tested = state_.book.get();
    do {
        state_.testdatum = state_.testdatum ? state_.testdatum->addDays(1) : first_test_day;
        const QDate day = *state_.testdatum;
        const QString day_text = format_short_date(day);
        try {
            show_day(day);
            QCoreApplication::processEvents();

            std::unique_ptr<Recordset> rs = state_.book->db->OpenRecordset(QStringLiteral("QOV"));
            rs->setIndex(QStringLiteral("Datum"));
            rs->Seek(QStringLiteral("="), {QDateTime(day, QTime(0, 0), Qt::UTC)});
            QCoreApplication::processEvents();
            if (rs->NoMatch()) {
                report(day_text + QStringLiteral(": kein Eintrag"));
                continue;
            }
            const QVariant bcv1 = rs->Fields(QStringLiteral("bcv1"));
            const QVariant bcv2 = rs->Fields(QStringLiteral("bcv2"));
            // The first two keys of each field; empty ones are skipped.
            for (const auto& [field, n] : {std::pair{&bcv1, 1}, {&bcv1, 2}, {&bcv2, 1}, {&bcv2, 2}}) {
                const QString key = GetToken(*field, QStringLiteral(";"), n);
                if (!key.isEmpty() && !bible_navigate(key, true, false))
                    report(day_text + QStringLiteral(": ") + key);
                if (n == 1)
                    QCoreApplication::processEvents();
            }
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        } catch (const std::exception& e) {
            report(day_text + QStringLiteral(": ") + QString::fromStdString(e.what()));
        }
    } while (*state_.testdatum < last_test_day && state_.book.get() == tested);

    if (!problems.isEmpty())
        show_message(problem_report(problems));
}
