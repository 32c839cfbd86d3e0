// The texts of the list's rows, made when painted.
#include "orvanel/register/subject_list_model.h"

#include <numeric>

#include "orvanel/register/subject_search.h"

namespace orvanel::subjects {

void SubjectListModel::SetSubjects(std::vector<ListedSubject> subjects) {
    beginResetModel();
    all_ = std::move(subjects);
    shown_.resize(all_.size());
    std::iota(shown_.begin(), shown_.end(), std::size_t{0});
    endResetModel();
}

void SubjectListModel::Search(std::string_view text) {
    beginResetModel();
    shown_ = Matching(all_, text);
    endResetModel();
}

int SubjectListModel::RowOfKey(const std::string& key) const {
    for (std::size_t row = 0; row < shown_.size(); ++row)
        if (all_[shown_[row]].key == key) return static_cast<int>(row);
    return -1;
}

int SubjectListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int SubjectListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant SubjectListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const ListedSubject& s = At(index.row());
    switch (index.column()) {
        case 0:
            return QString::fromStdString(s.name);
        case 1:
            return QString::fromStdString(ShownDate(s.year, s.month, s.day));
        default:
            return QString::fromStdString(ShownTime(s.time));
    }
}

QVariant SubjectListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    const char* titles[] = {"Nombre", "Fecha", "Hora"};
    return QString::fromUtf8(titles[section]);
}

}  // namespace orvanel::subjects
