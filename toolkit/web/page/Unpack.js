// The program's code comes inside the page deflated, in the element #zcode (written there by
// toolkit/web/PackPage.py when the page is linked), a third of its size as it is: inflated
// here by the browser's own DecompressionStream and compiled, in place of the runtime's
// reading of the code from base64 as it is. A browser without the stream, or one that cannot
// compile the code, says so in the page rather than leaving it blank.
Module.instantiateWasm = function (imports, receive) {
  "use strict";

  function cannotStart(why) {
    var p = ZPage.el("p");
    p.style.margin = "12px";
    p.textContent = "Программа не запускается в этом браузере: " + why;
    document.getElementById("zmain").appendChild(p);
  }

  if (typeof DecompressionStream != "function") {
    cannotStart("он не распаковывает её код. Нужен Chrome 80, Firefox 113, Safari 16.4 " +
                "или более новый.");
    return {};
  }
  var text = atob(document.getElementById("zcode").textContent);
  var packed = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) packed[i] = text.charCodeAt(i);
  var stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("deflate"));
  new Response(stream).arrayBuffer()
    .then(function (code) { return WebAssembly.instantiate(code, imports); })
    .then(function (made) { receive(made.instance, made.module); },
          function (e) { cannotStart(String(e)); });
  return {};
};
