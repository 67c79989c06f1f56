#pragma once

// The windows and pages name the fonts "MS Sans Serif", "Arial" and
// "Times New Roman"; on machines without them, the metric-compatible
// Liberation faces stand in.
void InstallePolices();
