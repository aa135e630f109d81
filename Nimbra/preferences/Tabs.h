#pragma once
// The four tabs of the preferences window. Each shows the model and changes it
// through `Save`; `sync` shows the model as it is now.

#include <QWidget>

#include <map>
#include <optional>

#include "Controls.h"
#include "PreferencesServices.h"
#include "nimbra/PreferencesModel.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace nimbra::updates { class Updater; }

namespace nimbra::preferences {

class NewItemRow;

class NewTab : public QWidget {
 public:
  NewTab(PreferencesModel& model, const PreferencesServices& services, Save save, QWidget* parent = nullptr);
  void sync();
  // Draws the rows again (icons follow the appearance).
  void rebuild();

 private:
  NewItemRow* makeRow(const NewItem& item);
  void change(const NewItem& item);

  PreferencesModel& model_;
  const PreferencesServices& services_;
  Save save_;
  ReorderableList* list_;
  std::vector<NewItemRow*> rows_;
  QCheckBox* group_;
  QCheckBox* unopenable_;
  QCheckBox* rename_;
};

class SendToTab : public QWidget {
 public:
  SendToTab(PreferencesModel& model, const PreferencesServices& services, Save save, QWidget* parent = nullptr);
  void sync();

 private:
  PreferencesModel& model_;
  const PreferencesServices& services_;
  Save save_;
  ReorderableList* list_;
};

class OpenWithTab : public QWidget {
 public:
  OpenWithTab(PreferencesModel& model, const PreferencesServices& services, Save save, QWidget* parent = nullptr);
  // Also looks again at what is installed.
  void sync();

 private:
  QWidget* makeRow(const OpenWithEntry& entry);
  void addApp();

  PreferencesModel& model_;
  const PreferencesServices& services_;
  Save save_;
  ReorderableList* list_;
  QLabel* addError_;
};

class UpdatesTab : public QWidget {
 public:
  UpdatesTab(updates::Updater& updater, QWidget* parent = nullptr);
  // The last check's date, relative to now.
  void sync();

 private:
  updates::Updater& updater_;
  QCheckBox* automatic_;
  QLabel* lastChecked_;
};

// "5 minutes ago", "yesterday", "last week": how long ago `then` was, in words.
QString relativeToNow(const QDateTime& then, const QDateTime& now);

}  // namespace nimbra::preferences
