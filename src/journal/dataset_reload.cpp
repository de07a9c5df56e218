#include "journal/dataset_reload.h"

#include <optional>
#include <string>

#include "data/db/dataset.h"

namespace tarvo {

void reloadDataset(db::Dataset& dataset) {
    std::optional<std::string> id;
    if (dataset.isOpen() && !dataset.eof() && dataset.hasField("id")) id = dataset.field("id").asString();
    dataset.close();
    dataset.open();
    if (id) dataset.locate("id", *id);
}

}  // namespace tarvo
