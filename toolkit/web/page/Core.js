// The ground the page's other modules stand on: the ZPage namespace they fill in, the forms
// the page shows, and the calls into the program (toolkit/web/PageEvents.cpp), each handed
// the host the program gave the page at its start.
var ZPage = (function () {
  "use strict";

  // id → {desc, root, els, boxes, images, stacked, overlay, reading, crossAt, cross,
  //        panel, title, room, laid}: what each module keeps of a form.
  var forms = {};

  // The host's address, given once by the program before its first form shows.
  function start(host) {
    Module.zchartHost = host;
  }

  // A function of the program, the host first; a void one answers undefined.
  function call(name, types, args) {
    return Module.ccall(name, "number", ["number"].concat(types), [Module.zchartHost].concat(args));
  }
  // Its text, valid only until the next call: read at once.
  function callText(name, types, args) {
    return Module.ccall(name, "string", ["number"].concat(types), [Module.zchartHost].concat(args));
  }

  // The program's main window: the form the page itself is; null before it shows.
  function mainForm() {
    for (var id in forms) if (forms[id].desc.main) return forms[id];
    return null;
  }

  function el(tag, cls) {
    var e = document.createElement(tag);
    if (cls) e.className = cls;
    return e;
  }

  return { forms: forms, start: start, call: call, callText: callText, mainForm: mainForm,
           el: el };
})();
