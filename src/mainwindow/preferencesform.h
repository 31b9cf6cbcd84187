#pragma once

// Owns the three frames right of the person column, Cover Sheet Heading, Printer Settings and
// Chart Preferences, with their controls: the preferences every chart and print command reads,
// and that start-up loads and shut-down saves.
//
// Controls by object name and member:
//
//   Cover Sheet Heading                      Printer Settings
//   Frame1      the frame                    Frame2   the frame
//   Combo1      m_leadInCombo                Option1  m_dotMatrixRadio
//   Command2    m_leadInClearButton          Option2  m_laserRadio
//   Text13..16  m_headingEdits[0..3]         Text17   m_linesPerPageEdit
//   Command4..7 m_headingClearButtons[0..3]  Check3   m_colorCheck
//                                            Combo2   m_fontCombo
//   Chart Preferences
//   Frame3      the frame
//   Option3     m_singleSpaceRadio           Check1   m_holidaysCheck
//   Option4     m_doubleSpaceRadio           Check2   m_dateEachPageCheck
//   Option5     m_linedSpaceRadio            Check4   m_forecastCheck

#include "mainwindow/formlayout.h"
#include "settings/preferences.h"

#include <QList>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class PreferencesForm
{
public:
    // Builds the frames on `form`, handing each control to `place`. The lead-in and font boxes
    // offer their usual choices.
    PreferencesForm(QWidget *form, const layout::AddControl &place);

    // The controls as plain values, and back.
    [[nodiscard]] settings::Preferences preferences() const;
    void showPreferences(const settings::Preferences &preferences);

    // The controls Tab reaches, in reading order.
    [[nodiscard]] QList<QWidget *> tabOrder() const;

private:
    void buildHeading(QWidget *form, const layout::AddControl &place);
    void buildPrinter(QWidget *form, const layout::AddControl &place);
    void buildChartPreferences(QWidget *form, const layout::AddControl &place);

    // Cover Sheet Heading.
    QComboBox *m_leadInCombo = nullptr;
    QPushButton *m_leadInClearButton = nullptr;
    std::array<QLineEdit *, 4> m_headingEdits{};
    std::array<QPushButton *, 4> m_headingClearButtons{};

    // Printer Settings.
    QRadioButton *m_dotMatrixRadio = nullptr;
    QRadioButton *m_laserRadio = nullptr;
    QButtonGroup *m_printerGroup = nullptr;
    QCheckBox *m_colorCheck = nullptr;
    QComboBox *m_fontCombo = nullptr;
    QLineEdit *m_linesPerPageEdit = nullptr;

    // Chart Preferences.
    QRadioButton *m_singleSpaceRadio = nullptr;
    QRadioButton *m_doubleSpaceRadio = nullptr;
    QRadioButton *m_linedSpaceRadio = nullptr;
    QButtonGroup *m_spacingGroup = nullptr;
    QCheckBox *m_holidaysCheck = nullptr;
    QCheckBox *m_dateEachPageCheck = nullptr;
    QCheckBox *m_forecastCheck = nullptr;
};
