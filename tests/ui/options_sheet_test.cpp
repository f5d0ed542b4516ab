#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

#include "engine/explosion_options.h"
#include "ui/adv_page.h"
#include "ui/bounce_page.h"
#include "ui/gen_page.h"
#include "ui/pieces_page.h"
#include "ui/prop_sheet.h"
#include "ui_test_support.h"

using namespace bk;

namespace {

// A sheet over a record as the document hands it over for a 1000-face object,
// shown and active, with its messages and help requests recorded.
struct ShownSheet {
  ExplosionOptions options;
  std::vector<std::string> messages;
  QStringList help_keys;
  CBrkPropSheet sheet;

  explicit ShownSheet(int faces)
      : options(WithFaces(faces)),
        sheet(nullptr, options, [this](std::string_view text) { messages.emplace_back(text); },
              [this](const QString& key) { help_keys << key; }) {
    sheet.show();
    QApplication::setActiveWindow(&sheet);
  }

  static ExplosionOptions WithFaces(int faces) {
    ExplosionOptions options;
    options.ObjectFaces = faces;
    return options;
  }

  QLineEdit* Edit(int page, int id) { return qobject_cast<QLineEdit*>(sheet.Page(page)->Control(id)); }
  QAbstractButton* Button(int page, int id) {
    return qobject_cast<QAbstractButton*>(sheet.Page(page)->Control(id));
  }
  QString Text(int page, int id) { return Edit(page, id)->text(); }

  // Types into a field as the user would (replacing its text), then Tab.
  void TypeAndLeave(int page, int id, const char* text) {
    QLineEdit* edit = Edit(page, id);
    edit->setFocus();
    uitest::Flush();  // the field left for this one runs its rule first
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_Tab);
    uitest::Flush();
  }
};

// The width a control gives its text: an edit's inside its frame and inner
// margins, a check box's or radio button's beside its indicator, a label's all.
int TextRoom(QWidget* widget) {
  QStyle* style = widget->style();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    return style->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
           margins.left() - margins.right() - 2 * 2;
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                             : QStyle::SE_CheckBoxContents;
    return style->subElementRect(element, &option, button).width();
  }
  return widget->contentsRect().width();
}

QString TextOf(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  return QString();
}

// Every text fits its control, and controls meet only where a group box
// frames them whole.
void CheckPageFits(QWidget* page) {
  const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* control : controls) {
    const QString text = TextOf(control);
    QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= TextRoom(control),
             qPrintable(QStringLiteral("cut off: ") + text));
  }
  for (QWidget* a : controls) {
    for (QWidget* b : controls) {
      if (a == b || !a->geometry().intersects(b->geometry())) continue;
      const bool framed = (qobject_cast<QGroupBox*>(a) && a->geometry().contains(b->geometry())) ||
                          (qobject_cast<QGroupBox*>(b) && b->geometry().contains(a->geometry()));
      QVERIFY2(framed, qPrintable(QStringLiteral("overlap: %1 / %2").arg(TextOf(a), TextOf(b))));
    }
  }
}

}  // namespace

class OptionsSheetTest : public QObject {
  Q_OBJECT

 private slots:
  // Regression: "Faces: 299925" showed as "99925", an explosion distance of
  // 1000.0 was cut off, and labels widened to fit ran into their neighbours.
  void EveryTextFitsItsControlAtAnyFontSize() {
    ShownSheet s(299925);
    s.options.ExplosionDistance = 1000.0f;
    s.options.GroundZ = -10000.0f;
    for (int page = 0; page < 4; ++page) s.sheet.Page(page)->Show();
    for (int point_size : {7, 15}) {
      QFont font = s.sheet.font();
      font.setPointSize(point_size);
      s.sheet.setFont(font);
      uitest::Flush();
      QCOMPARE(s.Text(0, 1001), QStringLiteral("299925"));
      for (int page = 0; page < 4; ++page) CheckPageFits(s.sheet.Page(page));
    }
  }

  void OpensWithTheObjectsDerivedValues() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QCOMPARE(s.sheet.windowTitle(), QStringLiteral("Burstkin Options"));
    QCOMPARE(s.sheet.CurrentIndex(), 0);
    QCOMPARE(s.Text(0, 1001), QStringLiteral("1000"));  // Faces:
    QCOMPARE(s.Text(0, 1000), QStringLiteral("200"));   // Min. number of pieces:
    QCOMPARE(s.Text(0, 1025), QStringLiteral("266"));   // Number of chunks:
    QCOMPARE(s.Text(0, 1020), QStringLiteral("30"));    // Frames:
    QCOMPARE(s.Text(0, 1003), QStringLiteral("2.5"));
    QVERIFY(!s.Edit(0, 1001)->isEnabled());
    QVERIFY(s.Button(0, 1018)->isChecked());
    QVERIFY(s.Button(0, 1006)->isChecked());
    QCOMPARE(s.options.MinPieces, 200);
    QVERIFY(s.messages.empty());
  }

  void LeavingNumberOfFramesUpdatesFramesButPercentRotationDoesNot() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    s.TypeAndLeave(0, 1004, "40");
    QCOMPARE(s.Text(0, 1020), QStringLiteral("40"));
    QCOMPARE(s.options.FrameCount, 40);

    // Leaving "Percent rotation:" runs no rule: nothing else changes and the
    // record keeps its value until the page is taken.
    s.TypeAndLeave(0, 1009, "70");
    QCOMPARE(s.options.PercentRotation, 40);
    QCOMPARE(s.Text(0, 1009), QStringLiteral("70"));
    QCOMPARE(s.Text(0, 1020), QStringLiteral("40"));
    QVERIFY(s.messages.empty());
  }

  void ToggleDoublesTheFrames() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QTest::mouseClick(s.Button(0, 1026), Qt::LeftButton);
    uitest::Flush();
    QCOMPARE(s.options.ToggleDirection, 1);
    QCOMPARE(s.Text(0, 1020), QStringLiteral("60"));
  }

  void AdvancedPageStartsItsEndFrameAtTheAnimationLength() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QCOMPARE(s.options.ScaleEndFrame, -1);
    QVERIFY(s.sheet.SelectPage(1));
    QCOMPARE(s.Text(1, 1039), s.Text(0, 1020));
    QCOMPARE(s.Text(1, 1039), QStringLiteral("30"));
    QVERIFY(s.messages.empty());
    // With stagger off, its field and label are greyed.
    QVERIFY(!s.Edit(1, 1002)->isEnabled());
    QVERIFY(!s.sheet.Page(1)->Control(1023)->isEnabled());
  }

  // Regression: the stagger rule ran at every keystroke, so typing "32"
  // became "3", then the pieces' limit, and an emptied field was refilled.
  void StaggerFieldKeepsWhatIsTypedUntilItIsLeft() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QVERIFY(s.sheet.SelectPage(1));
    QTest::mouseClick(s.Button(1, 1022), Qt::LeftButton);
    uitest::Flush();
    QLineEdit* stagger = s.Edit(1, 1002);
    QVERIFY(stagger->isEnabled());
    QVERIFY(s.sheet.Page(1)->Control(1023)->isEnabled());
    QCOMPARE(stagger->text(), QStringLiteral("5"));

    stagger->setFocus();
    stagger->selectAll();
    QTest::keyClick(stagger, Qt::Key_Backspace);
    QTest::keyClicks(stagger, QStringLiteral("32"));
    uitest::Flush();
    QVERIFY(s.messages.empty());
    QCOMPARE(stagger->text(), QStringLiteral("32"));
    QCOMPARE(s.options.StaggerPieces, 5);
    QTest::keyClick(stagger, Qt::Key_Tab);
    uitest::Flush();
    QCOMPARE(s.options.StaggerPieces, 32);

    stagger->setFocus();
    stagger->selectAll();
    QTest::keyClick(stagger, Qt::Key_Backspace);
    QTest::keyClick(stagger, Qt::Key_Tab);
    uitest::Flush();
    QCOMPARE(s.messages, std::vector<std::string>{"Please enter an integer."});
    s.messages.clear();
    s.TypeAndLeave(1, 1002, "0");
    QCOMPARE(s.messages,
             std::vector<std::string>{"Please enter an integer between 1 and 32767."});
    QCOMPARE(QApplication::focusWidget(), stagger);
  }

  void ParticlesChooseTheOutputModeAndGreyTheirArea() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QVERIFY(s.sheet.SelectPage(2));
    QVERIFY(s.Button(2, 1031)->isChecked());
    for (int id : CBrkBouncePage::ParticleControls()) {
      QVERIFY2(!s.sheet.Page(2)->Control(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(!s.Edit(2, 1025)->isEnabled());  // gravity off too

    QTest::mouseClick(s.Button(2, 1028), Qt::LeftButton);
    uitest::Flush();
    QVERIFY(s.Button(2, 1032)->isChecked());
    QCOMPARE(s.options.OutputMode, 1);
    for (int id : CBrkBouncePage::ParticleControls()) {
      QVERIFY(s.sheet.Page(2)->Control(id)->isEnabled());
    }
    QCOMPARE(s.Text(2, 1045), QStringLiteral("30"));  // particle End: frame

    QTest::mouseClick(s.Button(2, 1033), Qt::LeftButton);  // Particles only
    QTest::mouseClick(s.Button(2, 1028), Qt::LeftButton);
    uitest::Flush();
    QVERIFY(s.Button(2, 1031)->isChecked());
    QCOMPARE(s.options.OutputMode, 0);
    QVERIFY(!s.Edit(2, 1030)->isEnabled());
    QVERIFY(s.messages.empty());
  }

  void PiecesPageGreysWhatTheShapeAndLayoutDoNotUse() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QVERIFY(s.sheet.SelectPage(3));
    CBrkPage* page = s.sheet.Page(3);
    const auto enabled = [&](const std::vector<int>& ids) {
      int on = 0;
      for (int id : ids) on += page->Control(id)->isEnabled() ? 1 : 0;
      return on;
    };
    QCOMPARE(enabled(CBrkPiecesPage::SolidControls()), 0);  // runs of faces
    QVERIFY(s.Button(3, 1101)->isEnabled());

    QTest::mouseClick(s.Button(3, 1102), Qt::LeftButton);  // Solid cells
    uitest::Flush();
    QCOMPARE(s.options.PieceShape, 1);
    const int impact = static_cast<int>(CBrkPiecesPage::ImpactControls().size());
    QCOMPARE(enabled(CBrkPiecesPage::SolidControls()),
             static_cast<int>(CBrkPiecesPage::SolidControls().size()) - impact);
    QCOMPARE(enabled(CBrkPiecesPage::ImpactControls()), 0);  // uniform sites

    QTest::mouseClick(s.Button(3, 1107), Qt::LeftButton);  // Impact
    uitest::Flush();
    QCOMPARE(enabled(CBrkPiecesPage::ImpactControls()), impact);

    QTest::mouseClick(s.Button(3, 1101), Qt::LeftButton);  // back to runs of faces
    uitest::Flush();
    QCOMPARE(enabled(CBrkPiecesPage::SolidControls()), 0);
    QVERIFY(s.messages.empty());
  }

  void ReboundScaleOfTwelveIsRefusedAndReselected() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    QVERIFY(s.sheet.SelectPage(2));
    QTest::mouseClick(s.Button(2, 1024), Qt::LeftButton);  // Gravity on
    uitest::Flush();
    QVERIFY(s.Edit(2, 1027)->isEnabled());
    s.TypeAndLeave(2, 1027, "12");
    QCOMPARE(s.messages, std::vector<std::string>{"Please enter a number between 0.0001 and 5.0"});
    QCOMPARE(s.options.ReboundScale, 1.0f);
    // The rule's closing show puts the record's value back, selected.
    QLineEdit* rebound = s.Edit(2, 1027);
    QCOMPARE(rebound->text(), QStringLiteral("1.0"));
    QCOMPARE(QApplication::focusWidget(), rebound);
    QCOMPARE(rebound->selectedText(), rebound->text());
    // A page whose values do not take refuses to be left.
    s.messages.clear();
    QTest::keyClicks(rebound, QStringLiteral("12"));
    QVERIFY(!s.sheet.SelectPage(0));
    QCOMPARE(s.sheet.CurrentIndex(), 2);
    QCOMPARE(s.messages.size(), static_cast<std::size_t>(1));
  }

  void OkStaysOpenOnAFailureAndTakesThePageInFront() {
    ShownSheet s(1000);
    QVERIFY(QTest::qWaitForWindowActive(&s.sheet));
    s.Edit(0, 1000)->setText(QStringLiteral("0"));
    s.sheet.Buttons()->button(QDialogButtonBox::Ok)->click();
    uitest::Flush();
    QCOMPARE(s.messages,
             std::vector<std::string>{"Please enter an integer between 1 and 32000."});
    QVERIFY(s.sheet.isVisible());
    // The out-of-range value stays in the record until corrected.
    QCOMPARE(s.options.MinPieces, 0);
    QCOMPARE(QApplication::focusWidget(), s.Edit(0, 1000));

    s.Edit(0, 1000)->setText(QStringLiteral("50"));
    s.Edit(0, 1004)->setText(QStringLiteral("45"));
    s.sheet.Buttons()->button(QDialogButtonBox::Ok)->click();
    uitest::Flush();
    QCOMPARE(s.sheet.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(s.options.MinPieces, 50);
    QCOMPARE(s.options.FrameCount, 45);
  }

  // Regression: Help always opened the General page's section.
  void HelpOpensTheSectionOfThePageInFront() {
    ShownSheet s(100);
    s.sheet.Buttons()->button(QDialogButtonBox::Help)->click();
    QVERIFY(s.sheet.SelectPage(2));
    s.sheet.Buttons()->button(QDialogButtonBox::Help)->click();
    QCOMPARE(s.help_keys, (QStringList{QStringLiteral("general-page"), QStringLiteral("gravity-page")}));
  }
};

QTEST_MAIN(OptionsSheetTest)
#include "options_sheet_test.moc"
