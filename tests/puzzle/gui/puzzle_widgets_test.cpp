// The grid surface and the clue panel.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "gui_support/heard_events.h"
#include "toolkit/gui/picture_box.h"
#include "toolkit/gui/twip_geometry.h"
#include "puzzle/grid_layout.h"
#include "puzzle/gui/clue_panel.h"
#include "puzzle/gui/grid_view.h"
#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

// A list 10000 twips tall in a panel 6000 tall: it moves only between its top at the panel's top
// and its end just visible, never further.
TEST(DraggedTop, NeitherBelowThePanelsTopNorUpOnceTheEndIsVisible) {
  const struct {
    int current, wanted, top;
  } drags[] = {{0, -500, -500}, {-500, 100, -500}, {-500, 0, 0},
               {-3900, -4200, -4200}, {-4200, -4300, -4200}, {-4200, -4000, -4000}};
  for (const auto& d : drags) {
    EXPECT_EQ(DraggedTop(d.current, d.wanted, 10000, 6000), d.top) << d.current << " " << d.wanted;
  }
}

// A clue panel of the main window's size, shown, with assistive tools listening.
class CluePanelTest : public ::testing::Test {
 protected:
  CluePanelTest() {
    PlaceInTwips(panel, 0, 0, 3195, 6510);
    panel.show();
  }
  // Twelve clues that wrap, far taller than the panel; 8.5 is half of font size 17.
  void DrawLongClues() {
    Puzzle puzzle;
    for (int k = 1; k <= 12; ++k) {
      puzzle.Wlist.push_back("WORDWORDWORD");
      puzzle.Clue[k] = "a clue that is long enough to wrap over four or five lines of the panel, "
                       "which makes twelve of them far taller than the panel itself";
    }
    panel.DrawClues(puzzle, "Arial", 8.5, kBlack, kWhite);
    ASSERT_GT(panel.Inner().height(), panel.height());
  }
  QAccessibleInterface& List() { return *QAccessible::queryAccessibleInterface(&panel); }

  test::HeardEvents heard;
  CluePanel panel;
};

TEST_F(CluePanelTest, KeepsTheHalfPointAndOnlyALeftDragMovesTheList) {
  DrawLongClues();
  PictureBox& inner = panel.Inner();
  EXPECT_EQ(inner.Drawing().Font().points, 8.5);
  // Presses, or moves with it held, the button at height y (pixels) of the panel.
  const auto mouse = [&inner](QEvent::Type type, int y, Qt::MouseButton held) {
    const QPointF local = inner.mapFromParent(QPointF(50, y));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : held;
    QMouseEvent event(type, local, inner.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&inner, &event);
  };
  mouse(QEvent::MouseButtonPress, 200, Qt::RightButton);
  mouse(QEvent::MouseMove, 100, Qt::RightButton);
  EXPECT_EQ(inner.y(), 0);
  mouse(QEvent::MouseButtonPress, 200, Qt::LeftButton);
  mouse(QEvent::MouseMove, 150, Qt::LeftButton);
  EXPECT_EQ(inner.y(), -50);
  panel.Clear();  // a new list starts at the top
  EXPECT_EQ(inner.y(), 0);
}

// The wheel reads a list longer than the panel to its end, and no further either way.
TEST_F(CluePanelTest, TheWheelScrollsALongListBetweenItsEnds) {
  DrawLongClues();
  PictureBox& inner = panel.Inner();
  const auto turn = [&inner](int notches) {
    QWheelEvent wheel(QPointF(20, 20), inner.mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(&inner, &wheel);
  };
  turn(-1);
  EXPECT_LT(inner.y(), 0);
  for (int i = 0; i < 100; ++i) turn(-1);
  EXPECT_NEAR(inner.y() + inner.height(), panel.height(), 1);  // the end shows, no gap below
  turn(1);
  EXPECT_GT(inner.y() + inner.height(), panel.height());
  for (int i = 0; i < 100; ++i) turn(1);
  EXPECT_EQ(inner.y(), 0);
}

// A 4 by 4 puzzle on a grid that speaks: words 1-2 linked in columns 1, 3 and 4.
class SpokenGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyRecord(puzzle, *ParsePuzzleRecord("4;010304;020304;020304;BEAT,1;BOAT,1;COAT,1;MOAT,1;"));
    puzzle.Clue[2] = "a small ship";
    ComputeGridLayout(geometry, 4, kGridSurfaceWidth);
    PlaceInTwips(view, 30, 30, kGridSurfaceWidth, kGridSurfaceHeight);
    view.ShowsPuzzle(puzzle, geometry);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    // What letter entry does with a typed letter.
    QObject::connect(&view, &GridView::CharTyped, [this](const QString& text) {
      if (auto cell = view.SelectedCell()) {
        puzzle.Entry[cell->row][cell->col] = text.toUpper().toStdString();
      }
    });
    heard.Clear();
  }
  void Select(int row, int col) {
    const Point corner = KeyboardMarkerPosition(geometry, {row, col});
    view.MoveMarker(corner.x, corner.y);
    view.ShowMarker(true);
  }
  QAccessibleInterface& Table() { return *QAccessible::queryAccessibleInterface(&view); }

  test::HeardEvents heard;
  Puzzle puzzle;
  GridGeometry geometry;
  GridView view;
};

TEST_F(SpokenGridTest, IsATableOfTheCellsWithTheirLettersLinksAndPlaces) {
  QAccessibleTableInterface* table = Table().tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(Table().role(), QAccessible::Table);
  EXPECT_EQ(table->rowCount(), 4);
  EXPECT_EQ(Table().childCount(), 16);
  QAccessibleInterface* cell = table->cellAt(1, 2);  // row 2, column 3
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->role(), QAccessible::Cell);
  EXPECT_EQ(cell->text(QAccessible::Name),
            QStringLiteral("empty, linked to the cells above and below"));
  EXPECT_EQ(cell->text(QAccessible::Description),
            QStringLiteral("Row 2, column 3. Clue 2: a small ship"));
  EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
  EXPECT_EQ(Table().indexOfChild(cell), 6);
  // The cell's place on the screen is where it is drawn: the tool finds it there again.
  EXPECT_EQ(Table().childAt(cell->rect().center().x(), cell->rect().center().y()), cell);

  puzzle.Wlist.clear();  // no puzzle: no cells
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_EQ(Table().childCount(), 0);
}

TEST_F(SpokenGridTest, TheSelectedCellTakesTheFocusAndItsNewLetterIsHeard) {
  QSignalSpy moved(&view, &GridView::SelectedCellChanged);
  Select(2, 3);
  EXPECT_EQ(heard.Names(QAccessible::Focus),
            QStringList{QStringLiteral("empty, linked to the cells above and below")});
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved[0], (QList<QVariant>{2, 3}));
  EXPECT_EQ(Table().focusChild(), Table().tableInterface()->cellAt(1, 2));
  EXPECT_TRUE(Table().focusChild()->state().focused);

  QTest::keyClick(&view, Qt::Key_Q);
  EXPECT_EQ(heard.Names(QAccessible::NameChanged),
            QStringList{QStringLiteral("Q, linked to the cells above and below")});
  QTest::keyClick(&view, Qt::Key_Right);  // a key that changes no letter says nothing
  EXPECT_EQ(heard.Names(QAccessible::NameChanged).size(), 1);

  // The mouse puts the marker further into the cell: still the same cell, nothing new.
  const Point corner = MouseMarkerPosition(geometry, {2, 3});
  view.MoveMarker(corner.x, corner.y);
  EXPECT_EQ(moved.count(), 1);
  view.Marker().hide();  // a new puzzle hides the marker
  EXPECT_EQ(moved.count(), 2);
  EXPECT_EQ(moved[1], (QList<QVariant>{-1, -1}));
  EXPECT_EQ(Table().focusChild(), nullptr);
}

TEST_F(SpokenGridTest, AnAssistiveToolPicksARowAndTheGridAsksForItsCell) {
  QSignalSpy requested(&view, &GridView::CellRequested);
  puzzle.Entry[3][1] = "";  // a row whose first column has no cell
  EXPECT_TRUE(Table().tableInterface()->selectRow(2));
  Select(1, 4);
  Table().tableInterface()->cellAt(3, 0)->actionInterface()->doAction(
      QAccessibleActionInterface::setFocusAction());
  ASSERT_EQ(requested.count(), 2);
  EXPECT_EQ(requested[0], (QList<QVariant>{3, 2}));  // the row's first letter cell
  EXPECT_EQ(requested[1], (QList<QVariant>{4, 4}));  // the selected cell's column
}

TEST_F(CluePanelTest, ListsTheCluesAndTheKeysPickTheCurrentOne) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  Puzzle puzzle;
  for (const char* word : {"BEAT", "BOAT", "COAT"}) puzzle.Wlist.push_back(word);
  puzzle.Clue = {"", "to strike", "a small ship", "a\rcover"};
  panel.DrawClues(puzzle, "Arial", 8, kBlack, kWhite);
  EXPECT_EQ(List().role(), QAccessible::List);
  ASSERT_EQ(List().childCount(), 3);
  EXPECT_EQ(List().child(2)->role(), QAccessible::ListItem);
  EXPECT_EQ(List().child(2)->text(QAccessible::Name), QStringLiteral("3. a cover"));

  QSignalSpy chosen(&panel, &CluePanel::ClueChosen);
  heard.Clear();
  panel.setFocus();  // the first clue becomes current
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
    QTest::keyClick(&panel, key);
  }
  EXPECT_EQ(panel.CurrentClue(), 2);
  EXPECT_EQ(heard.Names(QAccessible::Focus),
            (QStringList{QStringLiteral("1. to strike"), QStringLiteral("2. a small ship"),
                         QStringLiteral("3. a cover"), QStringLiteral("2. a small ship")}));
  EXPECT_TRUE(List().tableInterface()->isRowSelected(1));
  QTest::keyClick(&panel, Qt::Key_Return);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen[0][0].toInt(), 2);

  EXPECT_TRUE(List().tableInterface()->selectRow(0));  // an assistive tool picks clue 1
  EXPECT_EQ(panel.CurrentClue(), 1);
  EXPECT_FALSE(List().tableInterface()->selectRow(3));
  panel.Clear();
  EXPECT_EQ(List().childCount(), 0);
  EXPECT_EQ(panel.CurrentClue(), 0);
}

// The current clue is moved into view and framed there, where the tool finds it.
TEST_F(CluePanelTest, TheCurrentClueIsBroughtIntoViewWhereTheToolFindsIt) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  DrawLongClues();
  panel.setFocus();
  QTest::keyClick(&panel, Qt::Key_End);
  QAccessibleInterface* last = List().child(11);
  const QRect lastRect = last->rect().translated(-panel.mapToGlobal(QPoint(0, 0)));
  EXPECT_LT(panel.Inner().y(), 0);
  EXPECT_TRUE(panel.rect().contains(lastRect)) << lastRect.top() << " " << lastRect.bottom();
  EXPECT_EQ(List().childAt(last->rect().center().x(), last->rect().center().y()), last);
  QTest::keyClick(&panel, Qt::Key_Home);
  const QRect first = List().child(0)->rect().translated(-panel.mapToGlobal(QPoint(0, 0)));
  EXPECT_TRUE(panel.rect().contains(first)) << first.top() << " " << first.bottom();
}

}  // namespace
}  // namespace sl
