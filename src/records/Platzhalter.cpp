// Filled by the records windows.
namespace {}
