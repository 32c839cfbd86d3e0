// The list of the register window as a Qt model: all subjects held in memory, the rows that the
// search lets through, and three columns (name, date, time) whose texts are made only for the rows
// painted, so that a register of ten thousand subjects fills and filters at once.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "orvanel/register/subject_register.h"

namespace orvanel::subjects {

class SubjectListModel : public QAbstractTableModel {
  public:
    // Every subject of the register, all shown until a search narrows them.
    void SetSubjects(std::vector<ListedSubject> subjects);
    void Search(std::string_view text);

    const ListedSubject& At(int row) const { return all_[shown_[static_cast<std::size_t>(row)]]; }
    // The row of the subject of that name key, or -1 when it is not shown.
    int RowOfKey(const std::string& key) const;
    std::size_t Total() const { return all_.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<ListedSubject> all_;
    std::vector<std::size_t> shown_;  // positions in all_
};

}  // namespace orvanel::subjects
