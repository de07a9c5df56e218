#pragma once

namespace tarvo {

namespace db {
class Dataset;
}

// Reads an open dataset again from scratch and stays on the row with the same `id` when it is still there
// (on the first row otherwise). Closing first keeps no cursor of the old rows over the new ones.
void reloadDataset(db::Dataset& dataset);

}  // namespace tarvo
