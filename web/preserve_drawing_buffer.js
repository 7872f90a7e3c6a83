// SDL makes the canvas's WebGL context without a word on
// preserveDrawingBuffer. Asked for here by its name, the canvas keeps its
// picture between frames and the game draws only what changed into it;
// display/Presenter_web.cpp checks what the context really got.
(function (canvas) {
  if (!canvas) {
    return;
  }
  const getContext = canvas.getContext;
  canvas.getContext = function (type, attributes) {
    if (/webgl/.test(type)) {
      attributes = Object.assign({}, attributes, { preserveDrawingBuffer: true });
    }
    return getContext.call(this, type, attributes);
  };
})(Module["canvas"]);
