# Run by CPack on the package's tree before it packs it: directories are made under the umask of the one
# building the package, and a package's directories must be readable by everyone whatever that umask was.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
