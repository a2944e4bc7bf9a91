// Keeps the UI library non-empty until the main form arrives.
namespace tarq { int uiPlaceholder() { return 0; } }
