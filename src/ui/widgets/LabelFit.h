#pragma once

class QLabel;

namespace stapelwerk {

enum class KeepEdge { left, right };

// The design places were laid out for a narrower font than some systems use: a label
// too narrow for its text grows to it, keeping the given edge in place. It never shrinks.
void widenToText(QLabel* label, KeepEdge keep = KeepEdge::left);

}  // namespace stapelwerk
