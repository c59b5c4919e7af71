#include <gtest/gtest.h>

#include <vector>

#include "TestText.h"
#include "common/Lifecycle.h"
#include "history/HistoryExport.h"
#include "history/HistoryLog.h"
#include "history/HotkeyActions.h"
#include "history/ReportTexts.h"

namespace {

class FakeBox final : public TextBox {
public:
    AnsiText value;
    int writes = 0;
    AnsiText text() const override { return value; }
    void setText(const AnsiText& text) override {
        value = text;
        ++writes;
    }
};

// ---- HistoryLog -----------------------------------------------------------

class History : public testing::Test {
protected:
    FakeBox box;
    HistoryLog log{box};
};

TEST_F(History, AppendNumbersLinesAndJoinsThemWithCrLf) {
    log.append("A");
    EXPECT_EQ(box.value, gbk("1：A"));
    log.append("B");
    EXPECT_EQ(box.value, gbk("1：A\r\n2：B"));
    EXPECT_EQ(hexBytes(box.value), "31 A3 BA 41 0D 0A 32 A3 BA 42");
    EXPECT_EQ(log.undoText(), gbk("1：A"));
}

// The run of F1 and F2 presses from an empty box.
TEST_F(History, StateTableOfAppendsAndUndos) {
    struct Step {
        char action;  // 'a' append, 'u' undo
        const char* name;
        const char* lines;
        int32_t counter;
        const char* undo;
    };
    const Step steps[] = {
        {'a', "A", "1：A", 1, ""},
        {'a', "B", "1：A\r\n2：B", 2, "1：A"},
        {'u', "", "1：A", 1, "1：A"},
        {'u', "", "1：A", 0, "1：A"},
        {'a', "C", "1：A\r\n1：C", 1, "1：A"},
    };
    for (const Step& s : steps) {
        if (s.action == 'a') log.append(gbk(s.name));
        else log.undo();
        EXPECT_EQ(box.value, gbk(s.lines)) << s.action << s.name;
        EXPECT_EQ(log.historyCounter(), s.counter);
        EXPECT_EQ(log.undoText(), gbk(s.undo));
    }
}

TEST_F(History, UndoBeforeAnyAppendEmptiesTheBoxAndGoesNegative) {
    box.value = gbk("手写的");
    log.undo();
    EXPECT_EQ(box.value, "");
    EXPECT_EQ(log.historyCounter(), -1);
    log.append("X");
    EXPECT_EQ(box.value, gbk("0：X"));
    log.undo();
    log.undo();  // counter -2
    EXPECT_EQ(log.historyCounter(), -2);
    log.append("Y");
    EXPECT_EQ(box.value, gbk("-1：Y"));
}

TEST_F(History, HandEditsAreHistoryUntilTheNextUndo) {
    log.append("A");
    box.value += gbk("\r\n我加的");  // typed in by hand
    log.append("B");
    EXPECT_EQ(box.value, gbk("1：A\r\n我加的\r\n2：B"));
    box.value = "";  // emptied by hand
    log.append("C");
    EXPECT_EQ(box.value, gbk("3：C"));
    log.undo();
    EXPECT_EQ(box.value, "");
    box.value = " ";  // blanks are not empty
    log.append("D");
    EXPECT_EQ(box.value, gbk(" \r\n3：D"));
}

TEST_F(History, EmptyNameAndTwoDigitNumbers) {
    for (int i = 0; i < 9; ++i) log.append("n");
    log.append("");
    const AnsiText tail = gbk("\r\n9：n\r\n10：");
    ASSERT_GE(box.value.size(), tail.size());
    EXPECT_EQ(box.value.substr(box.value.size() - tail.size()), tail);
}

TEST_F(History, ReleaseUndoTextTouchesNothingElse) {
    log.append("A");
    log.append("B");
    const int writes = box.writes;
    log.releaseUndoText();
    EXPECT_EQ(log.undoText(), "");
    EXPECT_EQ(box.writes, writes);
    EXPECT_EQ(log.historyCounter(), 2);
}

TEST_F(History, CounterWrapsInsteadOfOverflowing) {
    log.setHistoryCounter(INT32_MAX);
    log.append("A");
    EXPECT_EQ(box.value, gbk("-2147483648：A"));
}

// ---- HotkeyActions ----------------------------------------------------------

class ScriptedProfile final : public ProfileReader {
public:
    AnsiText surnames, given, symbols;
    AnsiText readString(const AnsiText&, const AnsiText& key, const AnsiText&) override {
        if (key == gbk("姓")) return surnames;
        if (key == gbk("名")) return given;
        return symbols;
    }
};

class FixedTicks final : public TickSource {
public:
    uint32_t ticks() override { return 77; }
};

// Records what the actions ask of the desktop, in order, and what the name
// box holds at each step.
class Recorder final : public KeystrokeTarget, public Reporter {
public:
    explicit Recorder(FakeBox& nameBox) : nameBox_(nameBox) {}
    std::vector<std::string> events;
    std::vector<AnsiText> typed;
    std::vector<AnsiText> warnings;
    bool openReportWhileWarning = false;
    HotkeyActions* actions = nullptr;

    WindowRef findTargetWindow() override {
        events.push_back("find");
        // Changing the box here shows whether the text is read after the
        // target was found.
        nameBox_.value += "!";
        return 42;
    }
    void postText(WindowRef window, const AnsiText& text) override {
        events.push_back("post" + std::to_string(window));
        typed.push_back(text);
    }
    void showWarning(const AnsiText& text) override {
        ReportScope scope;
        events.push_back("warn");
        warnings.push_back(text);
        // A hotkey dispatched by the report's modal loop.
        if (actions != nullptr) actions->onHotkey(actions->f1HotkeyId, 0);
    }

private:
    FakeBox& nameBox_;
};

class Actions : public testing::Test {
protected:
    Actions() {
        profile.surnames = gbk("王");
        profile.given = gbk("风");
        profile.symbols = gbk("丶");
        actions.f1HotkeyId = 33001;
        actions.f2HotkeyId = 33002;
    }

    ScriptedProfile profile;
    FixedTicks ticks;
    NameListFile file{profile, gbk("C:\\游戏")};
    RandomSource random{ticks};
    NameComposer composer{file, random};
    FakeBox nameBox;
    FakeBox historyBox;
    HistoryLog history{historyBox};
    Recorder recorder{nameBox};
    HotkeyActions actions{{composer, nameBox, recorder, history, recorder, file.path()}};
};

TEST_F(Actions, F1ShowsTypesAndLogsWhatTheBoxHolds) {
    actions.onHotkey(33001, 0);
    ASSERT_EQ(recorder.events, (std::vector<std::string>{"find", "post42"}));
    // The name, plus what the box gained before it was read.
    ASSERT_EQ(recorder.typed.size(), 1u);
    const AnsiText shown = nameBox.value;
    EXPECT_EQ(recorder.typed[0], shown);
    EXPECT_EQ(shown.back(), '!');
    EXPECT_EQ(historyBox.value, gbk("1：") + shown);
}

TEST_F(Actions, F2UndoesAndOtherIdsDoNothing) {
    actions.onHotkey(33001, 0);
    actions.onHotkey(33001, 0);
    actions.onHotkey(33002, 0);
    EXPECT_EQ(history.historyCounter(), 1);
    const AnsiText before = historyBox.value;
    for (int32_t other : {0, 33000, 33003, -2}) actions.onHotkey(other, 0);
    EXPECT_EQ(historyBox.value, before);
    EXPECT_EQ(history.historyCounter(), 1);
}

TEST_F(Actions, FailedRegistrationNeverMatches) {
    actions.f1HotkeyId = 0;  // F1 was taken by another program
    actions.onHotkey(33001, 0);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(historyBox.value, "");
}

TEST_F(Actions, EqualIdsRunF1ThenTheUndo) {
    actions.onHotkey(33001, 0);
    const AnsiText before = historyBox.value;
    actions.f2HotkeyId = actions.f1HotkeyId;
    actions.onHotkey(33001, 0);
    EXPECT_EQ(recorder.typed.size(), 2u);
    EXPECT_EQ(historyBox.value, before);
    EXPECT_EQ(history.historyCounter(), 1);
}

TEST_F(Actions, EmptyListWarnsAndLeavesEverythingAsItWas) {
    actions.onHotkey(33001, 0);
    const AnsiText shown = nameBox.value;
    const AnsiText logged = historyBox.value;
    recorder.events.clear();
    recorder.actions = &actions;  // and a second F1 arrives while the warning is up

    profile.given = "";
    actions.onHotkey(33001, 0);
    EXPECT_EQ(recorder.events, std::vector<std::string>{"warn"});
    ASSERT_EQ(recorder.warnings.size(), 1u);
    EXPECT_EQ(hexBytes(recorder.warnings[0]),
              hexBytes(gbk("无法生成名字：配置.ini 的 [配置] 一节里“名”列表是空的。\r\n"
                           "请在这一节写上像 姓=张、王、李 这样的一行，各项之间用“、”隔开。\r\n\r\n"
                           "文件：C:\\游戏\\配置.ini")));
    EXPECT_EQ(nameBox.value, shown);
    EXPECT_EQ(historyBox.value, logged);
    EXPECT_EQ(history.historyCounter(), 1);
    EXPECT_EQ(history.undoText(), "");

    recorder.actions = nullptr;
    profile.given = gbk("云");  // the file is mended: F1 works again
    actions.onHotkey(33001, 0);
    EXPECT_EQ(history.historyCounter(), 2);
}

TEST_F(Actions, EmptyNameLogsALineEndingInTheSeparator) {
    profile.surnames = gbk("、");
    profile.given = gbk("、");
    profile.symbols = gbk("、");
    actions.onHotkey(33001, 0);
    EXPECT_EQ(historyBox.value, gbk("1：!"));  // only what the recorder added
}

// ---- HistoryExport ----------------------------------------------------------

class FakeWriter final : public FileWriter {
public:
    bool fail = false;
    std::vector<std::pair<AnsiText, AnsiText>> writes;
    WriteResult writeWholeFile(const AnsiText& path, const AnsiText& bytes) override {
        writes.emplace_back(path, bytes);
        WriteResult r;
        r.written = !fail;
        if (fail) r.systemErrorText = gbk("拒绝访问。");
        return r;
    }
};

class WarningLog final : public Reporter {
public:
    std::vector<AnsiText> shown;
    HistoryExport* exporter = nullptr;
    void showWarning(const AnsiText& text) override {
        ReportScope scope;
        shown.push_back(text);
        if (exporter != nullptr) exporter->exportHistory();  // a click under the report
    }
};

TEST(Export, WritesTheBoxBytesToTheFileBesideTheExe) {
    FakeBox box;
    box.value = gbk("1：A\r\n2：B");
    FakeWriter writer;
    WarningLog warnings;
    HistoryExport exporter(box, writer, warnings, gbk("D:\\工具"));
    exporter.exportHistory();
    ASSERT_EQ(writer.writes.size(), 1u);
    EXPECT_EQ(writer.writes[0].first, gbk("D:\\工具\\角色名字.txt"));
    EXPECT_EQ(hexBytes(writer.writes[0].second), "31 A3 BA 41 0D 0A 32 A3 BA 42");
    EXPECT_TRUE(warnings.shown.empty());
    box.value = "";
    exporter.exportHistory();
    ASSERT_EQ(writer.writes.size(), 2u);
    EXPECT_EQ(writer.writes[1].second, "");
}

TEST(Export, FailureIsReportedOnceAndChangesNoHistory) {
    FakeBox box;
    box.value = gbk("1：A");
    FakeWriter writer;
    writer.fail = true;
    WarningLog warnings;
    HistoryExport exporter(box, writer, warnings, "C:\\T");
    warnings.exporter = &exporter;
    exporter.exportHistory();
    EXPECT_EQ(writer.writes.size(), 1u);  // the click under the report did nothing
    ASSERT_EQ(warnings.shown.size(), 1u);
    EXPECT_EQ(hexBytes(warnings.shown[0]),
              hexBytes(gbk("保存失败：无法写入C:\\T\\角色名字.txt\r\n拒绝访问。\r\n\r\n历史记录没有改动。")));
    EXPECT_EQ(box.value, gbk("1：A"));
    EXPECT_EQ(box.writes, 0);
}

}  // namespace
