#include "TransferJob.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <atomic>

#include "nimbra/NumberedNames.h"
#include "nimbra/SendToPerformer.h"

namespace nimbra::app {

TransferOutcome transfer(const std::vector<std::filesystem::path>& items, const std::filesystem::path& destination,
                         bool move, std::shared_ptr<platform::FileOperations> files, QWidget* parent) {
  TransferOutcome outcome;
  std::atomic<bool> cancelled = false;
  QProgressDialog progress(parent);
  progress.setObjectName("transferProgress");
  progress.setWindowTitle(move ? "Moving" : "Copying");
  progress.setRange(0, static_cast<int>(items.size()));
  progress.setMinimumDuration(500);  // short work shows no window at all
  progress.setWindowModality(Qt::WindowModal);
  QObject::connect(&progress, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });

  QEventLoop loop;
  auto* worker = QThread::create([&] {
    try {
      SendToPerformer::checkDestination(items, destination, *files);
    } catch (const SendToPerformer::IntoItself& error) {
      outcome.intoItself = error.item;
      return;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (cancelled) return;
      const auto label = QString(move ? "Moving “%1”…" : "Copying “%1”…").arg(QString::fromStdString(lastComponent(items[i])));
      // Queued to the window's thread; dropped with the window if it is gone first.
      QMetaObject::invokeMethod(&progress, [&progress, label, i] {
        progress.setLabelText(label);
        progress.setValue(static_cast<int>(i));
      });
      try {
        const auto done = SendToPerformer::perform({items[i]}, destination, move, *files);
        outcome.done.insert(outcome.done.end(), done.begin(), done.end());
      } catch (const std::exception& error) {
        outcome.error = error.what();
        return;
      }
    }
  });
  QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  delete worker;
  return outcome;
}

}  // namespace nimbra::app
