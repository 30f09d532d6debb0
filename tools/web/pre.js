// Runs before the program: the pictures the page decoded (tools/web/index.html) become the game's TGA files,
// and the directory that holds the kept files (kept_path in src/web.cpp) is filled from the browser's
// store first, so a reload or a later visit finds the medals, the settings and the replays.
Module.preRun = (Module.preRun || []).concat(function () {
  // The browser's languages, as the environment gives the desktop game its own: de-AT becomes de_AT.
  var Languages = (navigator.languages || [navigator.language || '']).map(function (L) { return L.replace('-', '_'); });
  if (Languages[0]) ENV.LANG = Languages[0] + '.UTF-8', ENV.LANGUAGE = Languages.join(':');
  FS.mkdirTree('/data/gfx');
  (Module.pictures || []).forEach(function (P) { FS.writeFile('/data/gfx/' + P.name, P.bytes); });
  Module.pictures = null;
  FS.mkdir('/progress');
  FS.mount(IDBFS, {}, '/progress');
  addRunDependency('progress');
  function filled(Err) {
    if (Err) {
      err('! load all levels: the browser keeps no files here (' + Err + '); medals last until the page closes');
      if (Module.storageRefused) Module.storageRefused();
    }
    removeRunDependency('progress');
  }
  try {
    FS.syncfs(true, filled);
  } catch (Err) {
    filled(Err);
  }
});
