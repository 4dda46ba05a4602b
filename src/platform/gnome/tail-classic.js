
function init() {
    return new FocusedWindow();
}
