// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/ManualQso.h"

#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "tools/RecordInsertion.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

namespace
{

ManualQso typical()
{
    ManualQso qso;
    qso.call = "dl1abc";
    qso.date = "20240301";
    qso.timeOff = "0930";
    qso.band = "20M";
    qso.mode = "CW";
    qso.rstSent = "599";
    qso.rstRcvd = "579";
    return qso;
}

// 2024-03-01 23:45:10 UTC
constexpr std::time_t lateEvening = 1709336710;

} // namespace

TEST(ManualQso, RecordTextOfTypedEntries)
{
    ManualQso full = typical();
    full.addTimeOn = true;
    full.mode = "FSK31=PSK";
    full.name = "Hans";
    full.qth = "Bonn";
    full.gridsquare = "jo30ab77";
    const struct {
        const char *what;
        ManualQso qso;
        std::string text;
    } cases[] = {
        { "required only", typical(),
            "<CALL:6>DL1ABC <QSO_DATE:8>20240301 <TIME_OFF:4>0930 <BAND:3>20M <MODE:2>CW <RST_SENT:3>599 "
            "<RST_RCVD:3>579 " },
        { "everything", full,
            "<CALL:6>DL1ABC <QSO_DATE:8>20240301 <TIME_OFF:4>0930 <TIME_ON:4>0930 <BAND:3>20M <MODE:3>PSK "
            "<SUBMODE:5>FSK31 <RST_SENT:3>599 <RST_RCVD:3>579 <NAME:4>Hans <QTH:4>Bonn "
            "<GRIDSQUARE:6>JO30ab " },
    };
    for (const auto &c : cases)
        EXPECT_EQ(manualQsoRecord(c.qso).text, c.text) << c.what;
}

TEST(ManualQso, TimesAndGridsquaresAsTheRecordCarriesThem)
{
    const struct {
        const char *typed, *written;
    } times[] = { { "12", "0012" }, { "0930", "0930" }, { "12345", "1234" }, { "123456", "123456" },
        { "1234567", "123456" } };
    for (const auto &t : times) {
        ManualQso qso = typical();
        qso.timeOff = t.typed;
        const std::string text = manualQsoRecord(qso).text;
        EXPECT_NE(
            text.find("<TIME_OFF:" + std::to_string(std::string(t.written).size()) + ">" + t.written + " "),
            std::string::npos)
            << t.typed;
    }
    const struct {
        const char *typed, *written;
    } grids[] = { { "ko85ab", "KO85ab" }, { "ko85", "KO85" }, { "ko8", "" }, { "KO85AB12", "KO85ab" },
        { "ko85a", "KO85a" } };
    for (const auto &g : grids)
        EXPECT_EQ(manualGridsquare(g.typed), g.written) << g.typed;
}

TEST(ManualQso, TheFirstMissingRequiredEntryStopsTheAddition)
{
    const struct {
        std::string ManualQso::*entry;
        ManualQsoField field;
    } cases[] = { { &ManualQso::call, ManualQsoField::Call }, { &ManualQso::date, ManualQsoField::Date },
        { &ManualQso::timeOff, ManualQsoField::TimeOff }, { &ManualQso::band, ManualQsoField::Band },
        { &ManualQso::mode, ManualQsoField::Mode }, { &ManualQso::rstSent, ManualQsoField::RstSent },
        { &ManualQso::rstRcvd, ManualQsoField::RstRcvd } };
    for (const auto &c : cases) {
        ManualQso qso = typical();
        qso.*(c.entry) = "  ";
        const ManualQsoRecord record = manualQsoRecord(qso);
        EXPECT_EQ(record.missing, c.field);
        EXPECT_TRUE(record.text.empty());
    }
}

TEST(ManualQso, LeavingTimeOffCompletesIt)
{
    const struct {
        const char *typed, *completed;
    } cases[] = { { "", "" }, { "12", "2345" }, { "0930", "0930" }, { "930", "0930" }, { "93", "2345" },
        { "12345", "12345" }, { " 1200 ", "1200" } };
    for (const auto &c : cases)
        EXPECT_EQ(completedTimeOff(c.typed, lateEvening), c.completed) << c.typed;
}

TEST(ManualQso, TheDateIsTheUtcDate)
{
    EXPECT_EQ(utcDate(lateEvening), "20240301");
    EXPECT_EQ(utcDate(lateEvening + 900), "20240302");
}

TEST(ManualQso, ColumnsOfTheFirstQsoOnAnEmptyLogAndOfLaterOnes)
{
    LogTable table;
    table.setColumnCount(15);
    table.setRowCount(26);
    table.setFixedRowCount(1);
    UndoJournal journal(table);
    ManualQso first = typical();
    first.addTimeOn = true;
    first.mode = "FSK31=PSK";
    appendAdiRecord(table, journal, manualQsoRecord(first).text, false);
    EXPECT_EQ(headers(table),
        (Texts { "#", "CALL", "QSO_DATE", "TIME_OFF", "TIME_ON", "BAND", "MODE", "SUBMODE", "RST_SENT",
            "RST_RCVD" }));
    ManualQso second = typical();
    second.name = "Ann";
    second.gridsquare = "fn42";
    appendAdiRecord(table, journal, manualQsoRecord(second).text, false);
    EXPECT_EQ(table.qsoCount(), 2);
    EXPECT_EQ(headers(table).back(), "GRIDSQUARE");
    EXPECT_EQ(cell(table, 2, "NAME"), "Ann");
    EXPECT_EQ(cell(table, 2, "SUBMODE"), "");
}
