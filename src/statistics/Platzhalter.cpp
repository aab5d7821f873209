// Filled by the statistics windows.
namespace {}
