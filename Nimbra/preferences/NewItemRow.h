#pragma once
// One entry of the New list: its switch, icon, label and name, its extension
// (checked at every keystroke for custom entries), its template and, for custom
// entries, delete. Every edit goes straight to the model through `Actions`.

#include <QWidget>

#include <functional>
#include <optional>

#include "PreferencesServices.h"
#include "nimbra/NewItem.h"

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

namespace nimbra::preferences {

class Switch;

class NewItemRow : public QWidget {
 public:
  struct Actions {
    // Stores the edited entry in place of the row's.
    std::function<void(const NewItem&)> change;
    // Absent for built-in entries, which cannot be deleted.
    std::function<void()> remove;
    // Outlives the row: the template sheet may call it after the row is gone.
    std::function<void(const std::string&)> setTemplate;
  };

  NewItemRow(const NewItem& item, const PreferencesServices& services, Actions actions, QWidget* parent = nullptr);

  const NewItem& item() const { return item_; }
  // Shows the entry as the model has it now; a field that already reads so keeps its cursor.
  void setItem(const NewItem& item);
  // The message of the last failed extension check.
  const std::optional<QString>& extError() const { return extError_; }
  void setExtError(std::optional<QString> error);

 private:
  void extEdited(const QString& text);
  void editTemplate();
  void change(NewItem item);
  void refresh();

  NewItem item_;
  const PreferencesServices& services_;
  Actions actions_;
  std::optional<QString> extError_;
  Switch* enabled_;
  QLabel* icon_;
  QLineEdit* label_;
  QLineEdit* name_ = nullptr;
  QLabel* fixedExt_ = nullptr;
  QFrame* extOutline_ = nullptr;
  QLineEdit* ext_ = nullptr;
  QToolButton* template_ = nullptr;
};

}  // namespace nimbra::preferences
