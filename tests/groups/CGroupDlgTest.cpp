// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <iterator>

#include "DbTestSupport.h"
#include "db/CUsageDb.h"
#include "groups/CDragDropTreeCtrl.h"
#include "groups/CGroupDlg.h"

namespace {

// "Default[shell] Work[editor,tool]": the tree as the user reads it.
std::string Layout(CDragDropTreeCtrl& tree) {
    QStringList groups;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QStringList programs;
        for (int c = 0; c < tree.topLevelItem(i)->childCount(); ++c) {
            programs << tree.topLevelItem(i)->child(c)->text(0);
        }
        groups << tree.topLevelItem(i)->text(0) + "[" + programs.join(",") + "]";
    }
    return groups.join(" ").toStdString();
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

QTreeWidgetItem* Item(CGroupDlg& dialog, const QString& text) {
    const auto found = dialog.Tree().findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

void Click(CGroupDlg& dialog, QPushButton& button, const QString& select = {}) {
    if (!select.isNull()) dialog.Tree().setCurrentItem(Item(dialog, select));
    QTest::mouseClick(&button, Qt::LeftButton);
}

void AddGroup(CGroupDlg& dialog, const QString& name) {
    dialog.NameEdit().setText(name);
    Click(dialog, dialog.AddButton());
}

// Presses the left button on from, moves over each step (an item, "@out": beside the tree,
// "@empty": below the last row, "@escape": the Escape key) and releases. Gives the group
// highlighted just before the release.
std::string Drag(CGroupDlg& dialog, const QString& from, const QStringList& steps,
                 Qt::KeyboardModifiers atDrop = {}) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CDragDropTreeCtrl& tree = dialog.Tree();
    QWindow* window = dialog.windowHandle();
    const auto at = [&](const QString& step) {
        if (step == "@out") return dialog.NameEdit().geometry().center();
        const QPoint point =
            step == "@empty" ? QPoint(5, 300) : tree.visualItemRect(Item(dialog, step)).center();
        return tree.viewport()->mapTo(&dialog, point);
    };
    QPoint pos = at(from);
    QTest::mousePress(window, Qt::LeftButton, {}, pos);
    QTest::mouseMove(window, pos += QPoint(QApplication::startDragDistance() + 2, 0));
    for (const QString& step : steps) {
        step == "@escape" ? QTest::keyClick(&tree, Qt::Key_Escape)
                          : QTest::mouseMove(window, pos = at(step));
    }
    const std::string highlighted =
        tree.DropTarget() ? tree.DropTarget()->text(0).toStdString() : "";
    QTest::mouseRelease(window, Qt::LeftButton, atDrop, pos);
    return highlighted;
}

const char* const kAsStored = "Default[shell] Work[editor,tool] Games[chess]";

class GroupDlgTest : public DbTest {
  protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "hourglint_groups_tests";
        static char* argv[] = {name, nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
        DbTest::SetUp();
        CUsageDb(path_).LoadDbForGroup(1, 1);  // creates the file and its tables
        RawDb(path_).Exec(
            "INSERT INTO tgroup(name) VALUES ('Work'), ('Games');"
            "INSERT INTO titem(name, compunit, path, groupid) VALUES "
            "('shell', 1, '/bin/shell', 0), ('editor', 1, '/usr/bin/editor', 1), "
            "('tool', 1, '/opt/tool/tool', 1), ('chess', 1, '/usr/games/chess', 2);");
    }

    // Groups as "id|name", then programs as "name|groupid".
    std::vector<std::string> Stored() {
        return RawDb(path_).Rows(
            "SELECT b, c FROM (SELECT 0 AS a, id AS b, name AS c FROM tgroup UNION ALL "
            "SELECT 1, name, groupid FROM titem) ORDER BY a, b");
    }
};

}  // namespace

TEST_F(GroupDlgTest, OpensWithDefaultThenStoredGroups) {
    CGroupDlg dialog(path_);
    EXPECT_TRUE(dialog.SaveButton().isDefault());
    EXPECT_EQ(Layout(dialog.Tree()), kAsStored);
    // No desktop entry names these programs: they show a plain file, not a group.
    EXPECT_EQ(Item(dialog, "shell")->icon(0).pixmap(16).toImage(),
              dialog.style()->standardIcon(QStyle::SP_FileIcon).pixmap(16).toImage());
    EXPECT_EQ(Item(dialog, "Games")->data(0, CGroupDlg::kDataRole).toInt(), 2);
    EXPECT_EQ(Item(dialog, "chess")->data(0, CGroupDlg::kDataRole).toInt(), 2);
    EXPECT_TRUE(Item(dialog, "Work")->isExpanded());
}

TEST_F(GroupDlgTest, APartialReadCannotBeSaved) {
    RawDb(path_).Exec("UPDATE titem SET groupid = 'x' WHERE name = 'tool'");
    CGroupDlg dialog(path_);
    EXPECT_EQ(Layout(dialog.Tree()), "Default[shell,editor]");
    // Told over the dialog, once it is on screen.
    EXPECT_TRUE(messages_.empty());
    dialog.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages_.empty(); }, 20000));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].rfind("Fail to load data from Database!\nError Information: ", 0), 0u);
    EXPECT_FALSE(dialog.SaveButton().isEnabled());
}

TEST_F(GroupDlgTest, AddAndDeleteRefuseWithTheirMessages) {
    struct Case {
        QString name;    // typed for "Add New Group"
        QString select;  // else selected for "Delete Selected Group"
        std::vector<std::string> said;
    };
    const QString e(QChar(0xE9));  // two bytes in UTF-8, one character
    const std::vector<std::string> tooLong{"The length of group name should not be more than 50!"};
    const Case cases[] = {
        {QString(51, 'a'), {}, tooLong},
        {e.repeated(50), {}, {}},
        {e.repeated(51), {}, tooLong},
        {"", {}, {"Please input a group name!"}},
        {{}, "none", {"Can't delete. Please select a item to delete!"}},
        {{}, "editor", {"Can't delete. Please select a group!"}},
        {{}, "Default", {"Can't delete default group!"}},
    };
    CGroupDlg dialog(path_);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString() + c.select.toStdString());
        messages_.clear();
        const int roots = dialog.Tree().topLevelItemCount();
        c.select.isNull() ? AddGroup(dialog, c.name)
                          : Click(dialog, dialog.DeleteButton(), c.select);
        EXPECT_EQ(messages_, c.said);
        EXPECT_EQ(dialog.Tree().topLevelItemCount(), roots + (c.said.empty() ? 1 : 0));
    }
}

TEST_F(GroupDlgTest, DragsFollowTheMouse) {
    struct Case {
        QString from;
        QStringList steps;
        Qt::KeyboardModifiers atDrop;
        std::string highlighted;
        std::string layout;
        std::vector<std::string> said;
    };
    const std::string moved = "Default[shell] Work[tool] Games[chess,editor]";
    const Case cases[] = {
        {"editor", {"Games"}, {}, "Games", moved, {}},
        {"editor", {"Games"}, Qt::ControlModifier, "Games", moved, {}},
        {"editor", {"Work"}, {}, "Work", kAsStored, {}},
        {"editor", {"chess"}, {}, "chess", kAsStored, {"Please drop on a group!"}},
        {"editor", {"Games", "@out"}, {}, "Games", moved, {}},
        {"editor", {"Games", "@empty", "@out"}, {}, "", kAsStored, {}},
        {"editor", {"Games", "@escape"}, {}, "", kAsStored, {}},
        {"Work", {"Games"}, {}, "", kAsStored, {}},  // groups stay put
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.from + ">" + c.steps.join(",")).toStdString());
        messages_.clear();
        CGroupDlg dialog(path_);
        EXPECT_EQ(Drag(dialog, c.from, c.steps, c.atDrop), c.highlighted);
        EXPECT_FALSE(dialog.Tree().IsDragging());
        EXPECT_EQ(Layout(dialog.Tree()), c.layout);
        EXPECT_EQ(messages_, c.said);
        EXPECT_EQ(Item(dialog, "editor")->data(0, CGroupDlg::kDataRole).toInt(), 1);
    }
}

TEST_F(GroupDlgTest, UndoneEditsWriteNothing) {
    const std::vector<std::string> before = Stored();
    {
        CGroupDlg dialog(path_);
        Drag(dialog, "editor", {"Games"});
        Drag(dialog, "editor", {"Work"});
        AddGroup(dialog, "Temp");
        dialog.Tree().MoveItem(Item(dialog, "shell"), Item(dialog, "Temp"));
        Click(dialog, dialog.DeleteButton(), "Temp");
        EXPECT_EQ(Layout(dialog.Tree()), "Default[shell] Work[tool,editor] Games[chess]");
        Click(dialog, dialog.SaveButton());
    }
    EXPECT_EQ(Stored(), before);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GroupDlgTest, SaveStoresWhatTheTreeShows) {
    RawDb(path_).Exec(
        "INSERT INTO titem(name, compunit, path, groupid) VALUES ('old', 1, '/bin/old', 99);"
        "CREATE TRIGGER refuse BEFORE INSERT ON tgroup WHEN NEW.name = 'Refused' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    CGroupDlg dialog(path_);
    EXPECT_EQ(Layout(dialog.Tree()), "Default[shell,old] Work[editor,tool] Games[chess]");
    AddGroup(dialog, "Bob's games");
    AddGroup(dialog, "Refused");
    CDragDropTreeCtrl& tree = dialog.Tree();
    tree.MoveItem(Item(dialog, "chess"), Item(dialog, "Bob's games"));
    tree.MoveItem(Item(dialog, "tool"), Item(dialog, "Games"));
    tree.MoveItem(Item(dialog, "shell"), Item(dialog, "Refused"));
    Click(dialog, dialog.DeleteButton(), "Work");
    EXPECT_EQ(Layout(tree), "Default[old,editor] Games[tool] Bob's games[chess] Refused[shell]");
    Click(dialog, dialog.SaveButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].rfind("Fail to add group from Database!\nError Information: ", 0), 0u);
    // The group that could not be made leaves shell in its stored group, not in -1; old,
    // shown under "Default" but not moved, keeps its group.
    EXPECT_EQ(Stored(), (std::vector<std::string>{"2|Games", "3|Bob's games", "chess|3", "editor|0",
                                                  "old|99", "shell|0", "tool|2"}));
}

TEST_F(GroupDlgTest, AFailedRegroupingKeepsTheDeletedGroups) {
    RawDb(path_).Exec(
        "CREATE TRIGGER refuse BEFORE UPDATE ON titem WHEN NEW.name = 'editor' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    const std::vector<std::string> before = Stored();
    CGroupDlg dialog(path_);
    Click(dialog, dialog.DeleteButton(), "Work");
    Click(dialog, dialog.SaveButton());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].rfind("Fail to update item!\nError Information: ", 0), 0u);
    // editor failed, so tool was not run either, and Work still holds both.
    EXPECT_EQ(Stored(), before);
}

TEST_F(GroupDlgTest, SaveWritesOnlyTheProgramsMovedHereAndFindsThemById) {
    // 1005 groups, of which the editor shows 1000: "far" sits in one it does not show.
    RawDb(path_).Exec(
        "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 1005) "
        "INSERT INTO tgroup(name) SELECT 'g' || i FROM n;"
        "INSERT INTO titem(name, compunit, path, groupid) VALUES "
        "('far', 1, '/far', 1004), (CAST(X'66FF6F' AS TEXT), 1, '/f', 1);");
    const auto bytes = [this] { return FileBytes(path_); };
    struct Case {
        QString drag;                     // onto Games, or nothing
        std::vector<std::string> groups;  // id|groupid of every program after Save
    };
    const Case cases[] = {
        {{}, {"1|0", "2|1", "3|1", "4|2", "5|1004", "6|1"}},
        {QStringLiteral("f\uFFFDo"), {"1|0", "2|1", "3|1", "4|2", "5|1004", "6|2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.drag.toStdString());
        const std::string before = bytes();
        CGroupDlg dialog(path_);
        EXPECT_EQ(Item(dialog, "far")->parent(), dialog.DefaultRoot());
        if (!c.drag.isNull()) Drag(dialog, c.drag, {"Games"});
        Click(dialog, dialog.SaveButton());
        EXPECT_EQ(bytes() == before, c.drag.isNull()) << "a Save with no change writes nothing";
        EXPECT_EQ(RawDb(path_).Rows("SELECT id, groupid FROM titem ORDER BY id"), c.groups);
        EXPECT_EQ(RawDb(path_).Value("SELECT count(*) FROM tgroup"), "1005");
        EXPECT_TRUE(messages_.empty());
    }
}

// "Move to group..." by every key that opens it, then Escape: at once with nothing changed,
// else only after the question is answered Yes.
TEST_F(GroupDlgTest, KeysMoveProgramsAndEscapeAsksBeforeDroppingTheMoves) {
    const std::vector<std::string> before = Stored();
    // The menu or box the next step opens, once it is up (a mnemonic clicks a little
    // later): its texts, and the choice made in it.
    QStringList seen;
    QTimer answer;
    answer.setInterval(10);
    QString choice;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            answer.stop();
            for (QAction* action : menu->actions()) {
                seen << action->text();
                if (action->text() == choice) menu->setActiveAction(action);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer.stop();
            seen << box->text();
            box->button(choice == "Yes" ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    });
    const auto answerWith = [&](const QString& with) {
        seen.clear();
        choice = with;
        answer.start();
    };
    {
        CGroupDlg untouched(path_);
        untouched.show();
        QTest::keyClick(&untouched.Tree(), Qt::Key_Escape);
        EXPECT_FALSE(untouched.isVisible());
    }
    CGroupDlg dialog(path_);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    CDragDropTreeCtrl& tree = dialog.Tree();
    struct Way {
        const char* keys;
        std::function<void()> open;
        const char* program;
        const char* group;
        const char* layout;
    };
    const Way ways[] = {
        {"Shift+F10", [&] { QTest::keyClick(&tree, Qt::Key_F10, Qt::ShiftModifier); }, "editor",
         "Games", "Default[shell] Work[tool] Games[chess,editor]"},
        {"the Menu key",
         [&] {
             QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
             QApplication::sendEvent(&tree, &menu);
         },
         "chess", "Default", "Default[shell,chess] Work[tool] Games[editor]"},
        {"Alt+M", [&] { QTest::keyClick(&tree, Qt::Key_M, Qt::AltModifier); }, "shell", "Work",
         "Default[chess] Work[tool,shell] Games[editor]"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.keys);
        tree.setCurrentItem(Item(dialog, way.program));
        const QString from = Item(dialog, way.program)->parent()->text(0);
        answerWith(way.group);
        way.open();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.isActive(); }));
        EXPECT_EQ(seen.size(), 2) << "the other two groups";
        EXPECT_FALSE(seen.contains(from));
        EXPECT_EQ(Layout(tree), way.layout);
    }
    EXPECT_TRUE(dialog.HasChanges());
    for (const QString& reply : {QStringLiteral("No"), QStringLiteral("Yes")}) {
        answerWith(reply);
        QTest::keyClick(&tree, Qt::Key_Escape);
        EXPECT_EQ(seen, QStringList{"Close without saving the changes to the groups?"});
        EXPECT_EQ(dialog.isVisible(), reply == "No");
    }
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Stored(), before);
}
