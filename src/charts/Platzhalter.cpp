// Filled by the charts windows.
namespace {}
