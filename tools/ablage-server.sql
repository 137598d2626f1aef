-- The order archive of Quadrolis C2 on a PostgreSQL server: a database and
-- the one role the program signs in as. Run it once as a superuser:
--
--   psql -U postgres -f tools/ablage-server.sql
--
-- It asks for the role's new password. Optional: -v datenbank=NAME (default
-- quadrolis_ablage), -v rolle=NAME (default quadrolis), -v passwort=TEXT
-- (instead of asking). Running it again changes nothing that exists.
--
-- The role may sign in, connect to this database and create tables in its
-- schema "public" (the program creates its tables on first use and steps
-- them forward on updates, so it owns them); nothing else: no superuser, no
-- other database, no new databases or roles.

\set ON_ERROR_STOP on
\if :{?datenbank}
\else
  \set datenbank quadrolis_ablage
\endif
\if :{?rolle}
\else
  \set rolle quadrolis
\endif

SELECT format('CREATE ROLE %I LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION', :'rolle')
 WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = :'rolle') \gexec
SELECT format('CREATE DATABASE %I ENCODING ''UTF8'' TEMPLATE template0', :'datenbank')
 WHERE NOT EXISTS (SELECT FROM pg_database WHERE datname = :'datenbank') \gexec

REVOKE ALL ON DATABASE :"datenbank" FROM PUBLIC;
GRANT CONNECT ON DATABASE :"datenbank" TO :"rolle";

\connect :"datenbank"
-- The search as one types finds words inside the texts through an index of letter triples.
CREATE EXTENSION IF NOT EXISTS pg_trgm;
REVOKE CREATE ON SCHEMA public FROM PUBLIC;
GRANT USAGE, CREATE ON SCHEMA public TO :"rolle";

\if :{?passwort}
  ALTER ROLE :"rolle" PASSWORD :'passwort';
\else
  \password :rolle
\endif
