#include "TransferJob.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <memory>
#include <stop_token>

#include "nimbra/NumberedNames.h"
#include "app/Texts.h"

namespace nimbra::app {

// Named here: lupdate takes a qualified result type for the class the function is a
// member of, and would file the texts under the wrong context.
using Outcome = SendToPerformer::TransferOutcome;

Outcome transfer(const std::vector<std::filesystem::path>& items, const std::filesystem::path& destination, bool move,
                 platform::FileOperations& files, QWidget* parent) {
  std::stop_source cancel;
  QProgressDialog progress(parent);
  progress.setObjectName("transferProgress");
  progress.setWindowTitle(move ? Texts::tr("Moving") : Texts::tr("Copying"));
  progress.setRange(0, static_cast<int>(items.size()));
  progress.setMinimumDuration(500);  // short work shows no window at all
  progress.setWindowModality(Qt::WindowModal);
  QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel.request_stop(); });

  Outcome outcome;
  QEventLoop loop;
  const std::unique_ptr<QThread> worker(QThread::create([&] {
    outcome = SendToPerformer::transfer(items, destination, move, files, cancel.get_token(),
                                        [&progress, move](std::size_t index, const std::filesystem::path& item) {
                                          const auto label = (move ? Texts::tr("Moving “%1”…") : Texts::tr("Copying “%1”…"))
                                                                 .arg(QString::fromStdString(lastComponent(item)));
                                          // Queued to the window's thread.
                                          QMetaObject::invokeMethod(&progress, [&progress, label, index] {
                                            progress.setLabelText(label);
                                            progress.setValue(static_cast<int>(index));
                                          });
                                        });
  }));
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  return outcome;
}

}  // namespace nimbra::app
