#include "TransferJob.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>
#include <mutex>
#include <optional>
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

  // Where the worker has got to, and at the end what it came to, under one lock; the
  // window looks ten times a second rather than hearing of every item.
  struct Reached {
    std::mutex mutex;
    std::size_t index = 0;
    QString label;
    std::optional<Outcome> outcome;
  } reached;
  QTimer look;
  look.setInterval(100);
  QObject::connect(&look, &QTimer::timeout, &progress, [&] {
    const std::lock_guard lock(reached.mutex);
    progress.setLabelText(reached.label);
    progress.setValue(static_cast<int>(reached.index));
  });
  QEventLoop loop;
  const std::unique_ptr<QThread> worker(QThread::create([&] {
    auto outcome = SendToPerformer::transfer(items, destination, move, files, cancel.get_token(),
                                             [&reached, move](std::size_t index, const std::filesystem::path& item) {
                                               auto label = (move ? Texts::tr("Moving “%1”…") : Texts::tr("Copying “%1”…"))
                                                                .arg(QString::fromStdString(lastComponent(item)));
                                               const std::lock_guard lock(reached.mutex);
                                               reached.index = index;
                                               reached.label = std::move(label);
                                             });
    const std::lock_guard lock(reached.mutex);
    reached.outcome = std::move(outcome);
  }));
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  look.start();
  worker->start();
  loop.exec();
  worker->wait();
  const std::lock_guard lock(reached.mutex);
  return std::move(*reached.outcome);
}

}  // namespace nimbra::app
