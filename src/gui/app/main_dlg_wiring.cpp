#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "core/list/list_window.h"
#include "gui/app/dialog_builder.h"
#include "gui/app/main_dlg.h"
#include "gui/app/prompter.h"

namespace {

struct MenuItem {
  const char* text;
  int command;
};

// Menu 140: no mnemonics, no accelerators.
constexpr MenuItem kOptionsItems[] = {{"Settings", ID_OPTIONS_SETTINGS},
                                      {"Calendar", ID_OPTIONS_CALENDAR},
                                      {nullptr, 0},
                                      {"Usage", ID_OPTIONS_USAGE},
                                      {"Help", ID_OPTIONS_HELP},
                                      {"About...", ID_OPTIONS_ABOUT}};

ScrollCode CodeOfAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollCode::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollCode::LineDown;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollCode::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollCode::PageDown;
    case QAbstractSlider::SliderToMinimum:
      return ScrollCode::Top;
    case QAbstractSlider::SliderToMaximum:
      return ScrollCode::Bottom;
    default:
      return ScrollCode::ThumbTrack;
  }
}

}  // namespace

void CMainDlg::BuildMenu() {
  m_menuBar = new QMenuBar(this);
  QMenu* options = m_menuBar->addMenu(QStringLiteral("Options"));
  for (const MenuItem& item : kOptionsItems) {
    if (item.text == nullptr) {
      options->addSeparator();
      continue;
    }
    QAction* action = options->addAction(QString::fromLatin1(item.text));
    action->setData(item.command);
    const int command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
  }
}

void CMainDlg::ConnectControls() {
  connect(m_typeBox, &QComboBox::activated, this, [this] { OnTypeChange(); });
  connect(m_dayBox, &QComboBox::activated, this, [this] { OnDayChange(); });
  connect(DlgItem<QPushButton>(this, IDC_ADD), &QPushButton::clicked, this, [this] { OnAdd(); });
  connect(m_scrollBar, &QAbstractSlider::actionTriggered, this, [this](int action) {
    OnVScroll(static_cast<int>(CodeOfAction(action)), m_scrollBar->sliderPosition());
  });
  connect(m_scrollBar, &QAbstractSlider::sliderReleased, this, [this] {
    OnVScroll(static_cast<int>(ScrollCode::ThumbPosition), m_scrollBar->sliderPosition());
  });
  ConnectRowButtons();
}

void CMainDlg::ShowMessage(const std::string& text, const std::string& caption) {
  GetPrompter().Show(this, QString::fromStdString(text), QString::fromStdString(caption),
                     Prompter::Icon::Warning);
}
