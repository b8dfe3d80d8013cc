// The user's files inside the program: a file picked or dropped is copied into the
// program's own file system (a folder of its own each, so that names never clash) and
// handed over by its path there.
(function (Z) {
  "use strict";

  var FOLDER = "/файлы";
  var copies = 0;

  function intoFiles(file, done) {
    file.arrayBuffer().then(function (buffer) {
      var name = file.name.replace(/[\/\\]/g, "_") || "файл";
      var folder = FOLDER + (++copies);
      Module.FS.mkdir(folder);
      var path = folder + "/" + name;
      Module.FS.writeFile(path, new Uint8Array(buffer));
      done(path);
    });
  }

  // The browser's file picker, offering the patterns of the question's filter
  // («Файлы Touchstone (*.s1p *.s2p)»).
  var fileInput = null;
  function askFile(q) {
    if (fileInput) fileInput.remove();
    fileInput = Z.el("input");
    fileInput.type = "file";
    fileInput.style.display = "none";
    var patterns = (q.filter.match(/\*\.[A-Za-z0-9]+/g) || []).map(function (p) { return p.slice(1); });
    if (patterns.length) fileInput.accept = patterns.join(",");
    fileInput.addEventListener("change", function () {
      var file = fileInput.files[0];
      if (!file) return Z.answer(null);
      intoFiles(file, function (path) { Z.answer(path); });
    });
    // A cancelled picker says nothing: the command already ran as cancelled, and a picker
    // that reports a cancel before its file (as a headless one does) still gives the file.
    document.body.appendChild(fileInput);
    fileInput.click();
  }

  Z.intoFiles = intoFiles;
  Z.askFile = askFile;
})(ZPage);
