#include "EmbeddedChooser.h"

#include <QFileDialog>
#include <QVBoxLayout>

namespace nimbra::app {

void embedChooser(QDialog& dialog, QVBoxLayout& layout, QFileDialog& chooser) {
  // A QDialog with a parent still opens as a window of its own unless told to be a widget.
  chooser.setWindowFlags(Qt::Widget);
  layout.addWidget(&chooser);
  chooser.show();  // a dialog stays hidden until shown, also inside another window
  QObject::connect(&chooser, &QDialog::accepted, &dialog, &QDialog::accept);
  QObject::connect(&chooser, &QDialog::rejected, &dialog, &QDialog::reject);
}

}  // namespace nimbra::app
