#include "AliasMaker.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "app/Alerts.h"
#include "app/AppServices.h"
#include "app/BringForward.h"
#include "app/EmbeddedChooser.h"
#include "app/ErrorWords.h"
#include "nimbra/Alias.h"
#include "nimbra/NumberedNames.h"
#include "nimbra/platform/Failure.h"
#include "app/Texts.h"

namespace nimbra::app {
namespace {

// A chooser that takes a folder as readily as a file: with a folder selected, the
// prompt button chooses it (a double click still opens it).
class AnyItemChooser : public QFileDialog {
 public:
  AnyItemChooser(QWidget* parent, const QString& prompt) : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    // Qt renames the button "Open" whenever a folder is selected or typed; set the
    // prompt again after each of its updates (its own handlers were connected first).
    const auto keepPrompt = [this, prompt] { setLabelText(QFileDialog::Accept, prompt); };
    keepPrompt();
    const auto* selection = findChild<QListView*>("listView")->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, keepPrompt);
    connect(selection, &QItemSelectionModel::currentChanged, this, keepPrompt);
    connect(this, &QFileDialog::directoryEntered, this, keepPrompt);
    connect(findChild<QLineEdit*>("fileNameEdit"), &QLineEdit::textChanged, this, keepPrompt);
  }
  void accept() override {
    const auto chosen = selectedFiles();
    if (chosen.size() == 1 && QFileInfo(chosen.front()).isDir()) return QDialog::accept();
    QFileDialog::accept();
  }
};

}  // namespace

void runAliasMaker(const std::filesystem::path& folder, const AppServices& services, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("aliasDialog");
  dialog.setWindowTitle(Texts::tr("Make Alias"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QLabel(Texts::tr("Choose what the alias in “%1” should open").arg(QString::fromStdString(lastComponent(folder))),
                          &dialog);
  text->setObjectName("message");
  layout->addWidget(text);
  auto* chooser = new AnyItemChooser(&dialog, Texts::tr("Make Alias"));
  chooser->setDirectory(QString::fromStdString(folder.string()));
  embedChooser(dialog, *layout, *chooser);
  dialog.resize(720, 480);
  if (execInFront(dialog) != QDialog::Accepted || chooser->selectedFiles().isEmpty()) return;

  const std::filesystem::path target = chooser->selectedFiles().front().toStdString();
  try {
    services.fileManager->reveal({makeAlias(target, folder, *services.files)});
  } catch (const platform::Failure& failure) {
    warn(parent, Texts::tr("Couldn't make the alias"), inWords(failure));
  }
}

}  // namespace nimbra::app
