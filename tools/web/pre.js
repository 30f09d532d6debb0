// Runs before the program: the directory that holds savegame.dat (WEB_SAVE_FILE in src/web.h) is filled
// from the browser's store first, so a reload or a later visit finds the medals.
Module.preRun = (Module.preRun || []).concat(function () {
  FS.mkdir('/progress');
  FS.mount(IDBFS, {}, '/progress');
  addRunDependency('progress');
  function filled(Err) {
    if (Err) err('! load all levels: the browser keeps no files here (' + Err + '); medals last until the page closes');
    removeRunDependency('progress');
  }
  try {
    FS.syncfs(true, filled);
  } catch (Err) {
    filled(Err);
  }
});
