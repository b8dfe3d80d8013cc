// A picture's canvas: the pixels the program hands over put on it, and a readable
// picture's ways of being read (the pointer, a touch, the keyboard's cross, a file dropped)
// and tuned (the wheel, a drag).
(function (Z) {
  "use strict";

  // The moment the page first shows a chart, for the benchmarks (bench/web).
  var firstShown = false;

  // Rows `top` to `top + rows` of a picture `width` pixels wide, each pixel a k × k block.
  function inBlocks(bytes, width, top, rows, k) {
    var from = new Uint32Array(bytes.buffer, bytes.byteOffset + top * width * 4, rows * width);
    var line = width * k, out = new Uint32Array(line * rows * k);
    for (var y = 0; y < rows; ++y) {
      var first = y * k * line;
      for (var x = 0; x < width; ++x)
        out.fill(from[y * width + x], first + x * k, first + x * k + k);
      for (var j = 1; j < k; ++j) out.copyWithin(first + j * line, first, first + line);
    }
    return new ImageData(new Uint8ClampedArray(out.buffer), line, rows * k);
  }

  // The picture's pixels, of which the rows from `top`, `rows` of them, are new: a canvas
  // made anew (another size) takes them all. `block`: device pixels to a canvas pixel where
  // the program sends the picture one to one (the screen's density, 2 on most phones), 0
  // where it scaled it to the device itself; either way the canvas's backing store holds
  // every device pixel, never one the browser scales up.
  function picture(id, i, bytes, width, height, block, top, rows) {
    var f = Z.forms[id];
    if (!f) return;
    var canvas = f.els[i], k = Math.max(1, block);
    if (canvas.width !== width * k || canvas.height !== height * k) {
      canvas.width = width * k;
      canvas.height = height * k;
      top = 0;
      rows = height;
    }
    canvas.style.imageRendering = block ? "pixelated" : "auto";
    var context = canvas.getContext("2d");
    if (k === 1)
      context.putImageData(new ImageData(bytes, width, height), 0, 0, 0, top, width, rows);
    else context.putImageData(inBlocks(bytes, width, top, rows, k), 0, top * k);
    if (!firstShown) {
      firstShown = true;
      performance.mark("zchart-first-picture");
    }
    if (f.reading && f.reading.image === i) Z.readAgain(f);
  }

  function bindPicture(f, c, canvas) {
    canvas.tabIndex = 0;
    Z.bindPointer(f, c.i, canvas);
    Z.bindDrag(f, c.i, canvas);
    Z.bindTouch(f, c.i, canvas);
    Z.bindCross(f, c.i, canvas);
    Z.bindDrop(f, canvas);
  }

  Z.picture = picture;
  Z.bindPicture = bindPicture;
})(ZPage);
