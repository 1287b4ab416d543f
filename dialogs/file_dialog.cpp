#include "dialogs/file_dialog.h"

#include <QFile>
#include <QGridLayout>

#include "dialogs/file_filter.h"
#include "dialogs/picture_preview.h"
#include "util/text.h"

namespace lumigram {

QString PathToQt(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQt(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

TFileDialog::TFileDialog(const TFileDialogRequest& request, QWidget* parent)
    : QFileDialog(parent), request_(request) {
  setOption(QFileDialog::DontUseNativeDialog);
  // The editor asks before it replaces a file, in its own words.
  setOption(QFileDialog::DontConfirmOverwrite);
  const bool save = IsSaveDialog(request.Kind);
  setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  setFileMode(!save && (request.Options & kFileMustExist) ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);

  const QStringList filters = QtNameFilters(request.Filter);
  if (!filters.isEmpty()) setNameFilters(filters);
  const int index =
      request.FilterIndex >= 1 && request.FilterIndex <= filters.size() ? request.FilterIndex : 1;
  if (!filters.isEmpty()) selectNameFilter(filters[index - 1]);
  FilterChosen(filters.value(index - 1));
  connect(this, &QFileDialog::filterSelected, this,
          [this](const QString& chosen) { FilterChosen(chosen); });

  if (!request.Folder.empty()) setDirectory(PathToQt(request.Folder));
  if (save && !request.FileName.empty()) selectFile(PathToQt(request.FileName));

  if (request.Kind == TFileDialogKind::OpenPicture ||
      request.Kind == TFileDialogKind::SavePicture) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
      preview_ = new TPicturePreview(this);
      grid->addWidget(preview_, 1, grid->columnCount(), std::max(grid->rowCount() - 1, 1), 1);
      connect(this, &QFileDialog::currentChanged, preview_,
              [this](const QString& path) { preview_->ShowFile(PathFromQt(path)); });
    }
  }
}

void TFileDialog::FilterChosen(const QString& nameFilter) {
  // A name typed without an extension gets the one of the chosen entry, or
  // the dialog's default when the entry stands for several.
  std::string ext = SingleExtensionOf(request_.Filter, FilterIndexOf(request_.Filter, nameFilter));
  if (ext.empty()) ext = request_.DefaultExt;
  setDefaultSuffix(QString::fromStdString(LowerAscii(ext)));
}

void TFileDialog::accept() {
  FilterChosen(selectedNameFilter());
  QFileDialog::accept();
}

TFileDialogAnswer TFileDialog::Answer() const {
  TFileDialogAnswer answer;
  if (result() != QDialog::Accepted) return answer;
  const QStringList files = selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return answer;
  answer.Accepted = true;
  answer.FileName = PathFromQt(files.front());
  answer.FilterIndex = FilterIndexOf(request_.Filter, selectedNameFilter());
  return answer;
}

TFileDialogAnswer RunFileDialogWindow(const TFileDialogRequest& request, QWidget* parent) {
  TFileDialog dialog(request, parent);
  dialog.exec();
  return dialog.Answer();
}

}  // namespace lumigram
